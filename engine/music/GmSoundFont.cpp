#include "engine/music/GmSoundFont.h"

#include "base/Paths.h"

#include <fluidsynth.h>

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

void SilenceSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

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
    if (path.empty())
        return nullptr;
    SilenceSynthLog();
    std::shared_ptr<GmSoundFont> font(new GmSoundFont());
    font->m_settings = new_fluid_settings();
    if (font->m_settings == nullptr)
        return nullptr;
    font->m_owner = new_fluid_synth(font->m_settings);
    if (font->m_owner == nullptr)
        return nullptr;
    const int id = fluid_synth_sfload(font->m_owner, path.c_str(), 0);
    if (id == FLUID_FAILED)
        return nullptr;
    font->m_font = fluid_synth_get_sfont_by_id(font->m_owner, id);
    return font->m_font != nullptr ? font : nullptr;
}

GmSoundFont::~GmSoundFont() {
    if (m_owner != nullptr)
        delete_fluid_synth(m_owner);
    if (m_settings != nullptr)
        delete_fluid_settings(m_settings);
}

} // namespace vantor::engine
