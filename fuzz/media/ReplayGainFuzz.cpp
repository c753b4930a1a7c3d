// Reads arbitrary bytes as the loudness values can arrive: an APE tag at the
// end of a file whose items become values, an ID3v2 tag with TXXX frames,
// one gain or peak text, and the file that keeps the player's choice.
#include "media/ApeTag.h"
#include "media/Id3Tags.h"
#include "media/ReplayGainTags.h"
#include "settings/ReplayGainFile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    vantor::ReplayGainTags tags;
    for (const auto& [key, value] : vantor::ReadApeTextItems(bytes))
        vantor::TakeReplayGainField(key, value, tags);
    vantor::ReadId3v2(bytes);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vantor::ParseReplayGainDb(text);
    vantor::ParseReplayGainPeak(text);
    vantor::ReadReplayGainText(text);
    return 0;
}
