// The main window's stereo and mono areas: the one that matches the sounding
// track lights up (its pixels come from the pressed face), the other stays as
// the face shows it. Draws into the Player's surfaces. UI thread.
#pragma once

#include "gfx/Surface.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"

#include <cstdint>

namespace vantor {

// `songIsStereo` is 1 for a two-channel track, 0 for any other, -1 before a
// track was described (both areas dark). `face` is the face in use.
void DrawSongModeLamps(const SkinDefinition& skin, SkinSurfaces& surfaces, const gfx::Surface& face,
                       std::int32_t songIsStereo);

} // namespace vantor
