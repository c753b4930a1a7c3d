#include "skin/SongModeLamps.h"

#include "gfx/Blit.h"

#include <algorithm>

namespace vantor {

namespace {

void CopyAreas(const SkinRegionList& areas, gfx::Surface& window, const gfx::Surface& from) {
    const int count = std::min<int>(areas.count + 1, static_cast<int>(areas.regions.size()));
    for (int index = 0; index < count; ++index) {
        const gfx::Rect rect = ToGfx(areas.regions[static_cast<std::size_t>(index)].rect);
        gfx::Blit(window, {rect.left, rect.top}, from, rect);
    }
}

} // namespace

void DrawSongModeLamps(const SkinDefinition& skin, SkinSurfaces& surfaces, const gfx::Surface& face,
                       std::int32_t songIsStereo) {
    const gfx::Surface& lit = surfaces.pressedFace;
    CopyAreas(skin.stereoWindowRegions, surfaces.mainWindow, songIsStereo == 1 ? lit : face);
    CopyAreas(skin.monoWindowRegions, surfaces.mainWindow, songIsStereo == 0 ? lit : face);
}

} // namespace vantor
