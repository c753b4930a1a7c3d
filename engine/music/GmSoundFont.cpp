#include "engine/music/GmSoundFont.h"

#include "base/Paths.h"
#include "engine/music/FluidSynthLibrary.h"

#include <array>
#include <mutex>

namespace vantor::engine {

namespace {

// Preference order: the system's chosen General MIDI font, then the small
// font the project installs.
constexpr std::array kCandidates{
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
};

} // namespace

std::string GmSoundFont::FindInstalled() {
    for (const char* candidate : kCandidates) {
        if (FileExists(candidate))
            return candidate;
    }
    return {};
}

std::shared_ptr<GmSoundFont> GmSoundFont::Shared() {
    static std::mutex mutex;
    static std::shared_ptr<GmSoundFont> font;
    const std::lock_guard lock(mutex);
    if (!font)
        font = Load(FindInstalled());
    return font;
}

std::shared_ptr<GmSoundFont> GmSoundFont::Load(const std::string& path) {
    const FluidSynthApi* fluid = FluidSynth();
    if (path.empty() || fluid == nullptr)
        return nullptr;
    std::shared_ptr<GmSoundFont> font(new GmSoundFont(*fluid));
    font->m_settings = fluid->new_fluid_settings();
    if (font->m_settings == nullptr)
        return nullptr;
    font->m_owner = fluid->new_fluid_synth(font->m_settings);
    if (font->m_owner == nullptr)
        return nullptr;
    const int id = fluid->fluid_synth_sfload(font->m_owner, path.c_str(), 0);
    if (id == FLUID_FAILED)
        return nullptr;
    font->m_font = fluid->fluid_synth_get_sfont_by_id(font->m_owner, id);
    return font->m_font != nullptr ? font : nullptr;
}

GmSoundFont::~GmSoundFont() {
    if (m_owner != nullptr)
        m_fluid.delete_fluid_synth(m_owner);
    if (m_settings != nullptr)
        m_fluid.delete_fluid_settings(m_settings);
}

} // namespace vantor::engine
