// What both song fuzz targets do with a song that loaded: render a few short
// blocks, seek to another order and render again, so every input stays fast.
#pragma once

#include "engine/music/MusicSong.h"

#include <array>

namespace vantor::engine {

inline void PlayBriefly(MusicSong& song) {
    std::array<float, 512 * 2> block{};
    song.SetPanSeparation(0.15f);
    song.SetMasterVolume(200);
    for (int i = 0; i < 4 && !song.IsFinished(); ++i)
        song.Render(block.data(), 512);
    song.SetOrder(song.NumOrders() / 2);
    song.Render(block.data(), 512);
    static_cast<void>(song.Order() + song.TimeMs() + song.LengthMs());
}

} // namespace vantor::engine
