#include "SongFuzzSteps.h"
#include "engine/music/MidiSong.h"
#include "engine/music/MidiTimeline.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto smf = vantor::engine::MidiDataOf(bytes)) {
        if (const auto timeline = vantor::engine::MidiTimeline::Parse(*smf))
            static_cast<void>(timeline->MsToTicks(timeline->LengthMs() / 2));
    }
    auto song = vantor::engine::MidiSong::Load(bytes, "fuzz.mid", 22050);
    if (song)
        vantor::engine::PlayBriefly(*song);
    return 0;
}
