// The file types the association page offers, in list order, and the round
// of calls that applies the page's ticks.
#pragma once

#include "platform/FileAssociations.h"

#include <array>
#include <string_view>

namespace vantor {

struct AssociationItem {
    std::string_view extension; // as stored: ".MP3"
    std::string_view className; // "Vantor.File" or "Vantor.PlayList"
};

inline constexpr std::string_view kAudioFileClass = "Vantor.File";
inline constexpr std::string_view kPlayListClass = "Vantor.PlayList";

inline constexpr std::array<AssociationItem, 17> kAssociationItems{{
    {".MOD", kAudioFileClass},
    {".S3M", kAudioFileClass},
    {".XM", kAudioFileClass},
    {".IT", kAudioFileClass},
    {".MID", kAudioFileClass},
    {".RMI", kAudioFileClass},
    {".SGT", kAudioFileClass},
    {".WAV", kAudioFileClass},
    {".MP2", kAudioFileClass},
    {".MP3", kAudioFileClass},
    {".OGG", kAudioFileClass},
    {".WMA", kAudioFileClass},
    {".ASF", kAudioFileClass},
    {".AIF", kAudioFileClass},
    {".AIFF", kAudioFileClass},
    {".M3U", kPlayListClass},
    {".DVL", kPlayListClass},
}};

// Unassociates every unticked item and associates the ticked ones, then
// tells the desktop once.
void ApplyAssociations(FileAssociations& associations,
                       const std::array<bool, kAssociationItems.size()>& ticked);

} // namespace vantor
