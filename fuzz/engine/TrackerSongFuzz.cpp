#include "SongFuzzSteps.h"
#include "engine/music/TrackerSong.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto song = vantor::engine::TrackerSong::Load({data, size}, 22050);
    if (song)
        vantor::engine::PlayBriefly(*song);
    return 0;
}
