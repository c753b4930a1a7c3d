// Writes 16-bit stereo PCM into a WAV file, fixing the sizes in the header on
// Close. Used by the WAV output's thread only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace vantor::engine {

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool Open(const std::string& path, int rate);
    // `stereo` holds `frames` frames on the ±1 scale.
    void Write(const float* stereo, std::size_t frames);
    void Close();

private:
    void WriteHeader();

    std::FILE* m_file = nullptr;
    int m_rate = 0;
    std::uint32_t m_dataBytes = 0;
};

} // namespace vantor::engine
