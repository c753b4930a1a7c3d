// The General MIDI SoundFont that every MIDI song plays with. It is heavy, so
// it is loaded once, on first use, and shared: each song keeps the shared
// pointer for as long as its synthesiser uses the font. Shared() may be called
// from any thread; the font itself is read-only once loaded.
#pragma once

#include <memory>
#include <string>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_sfont_t;

namespace vantor::engine {

struct FluidSynthApi;

class GmSoundFont {
public:
    // The process's font, loading FluidSynth the first time; null when no
    // SoundFont is installed, it cannot be read (a later call tries again) or
    // FluidSynth cannot be loaded.
    static std::shared_ptr<GmSoundFont> Shared();
    // The installed SoundFont to use, or an empty text when there is none.
    static std::string FindInstalled();

    ~GmSoundFont();
    GmSoundFont(const GmSoundFont&) = delete;
    GmSoundFont& operator=(const GmSoundFont&) = delete;

    // For fluid_synth_add_sfont; the synthesiser must remove it again
    // (fluid_synth_remove_sfont) before it is deleted.
    _fluid_sfont_t* Font() const { return m_font; }
    // The synthesiser's functions, for the songs that borrow the font.
    const FluidSynthApi& Synth() const { return m_fluid; }

private:
    explicit GmSoundFont(const FluidSynthApi& fluid) : m_fluid(fluid) {}
    static std::shared_ptr<GmSoundFont> Load(const std::string& path);

    const FluidSynthApi& m_fluid;
    // The font belongs to a synthesiser that never plays; songs borrow it.
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_owner = nullptr;
    _fluid_sfont_t* m_font = nullptr;
};

} // namespace vantor::engine
