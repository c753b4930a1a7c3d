// The samples of a plain PCM WAV or AIFF file, read straight from its file
// range as float stereo at their own rate; what is not plain PCM is left to
// FFmpeg. Created on the UI thread; afterwards used by one thread at a time.
#pragma once

#include "engine/stream/NativeRateSource.h"
#include "engine/stream/PcmLayout.h"

#include <memory>
#include <vector>

namespace vantor::engine {

class PcmSource : public NativeRateSource {
public:
    // Null when the range holds no plain PCM with at least one frame; the
    // range is then left with the caller.
    static std::unique_ptr<PcmSource> Open(std::unique_ptr<FileRange>& range);

    std::size_t Read(float* stereo, std::size_t frames) override;
    std::int64_t SeekMs(std::int64_t ms) override;

private:
    PcmSource(std::unique_ptr<FileRange> range, const PcmLayout& layout);
    float Sample(const std::uint8_t* bytes) const;

    PcmLayout m_layout;
    std::int64_t m_frame = 0;
    std::vector<std::uint8_t> m_bytes; // one read's worth of the file
};

} // namespace vantor::engine
