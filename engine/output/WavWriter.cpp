#include "engine/output/WavWriter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantor::engine {

namespace {
void PutLe(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}
} // namespace

WavWriter::~WavWriter() {
    Close();
}

bool WavWriter::Open(const std::string& path, int rate) {
    Close();
    m_file = std::fopen(path.c_str(), "wb");
    m_rate = rate;
    m_dataBytes = 0;
    if (m_file != nullptr) {
        WriteHeader();
    }
    return m_file != nullptr;
}

void WavWriter::WriteHeader() {
    std::array<std::uint8_t, 44> header{};
    auto put = [&](std::size_t at, const char* text) {
        std::copy(text, text + 4, header.begin() + static_cast<std::ptrdiff_t>(at));
    };
    put(0, "RIFF");
    PutLe(&header[4], 36 + m_dataBytes, 4);
    put(8, "WAVE");
    put(12, "fmt ");
    PutLe(&header[16], 16, 4);
    PutLe(&header[20], 1, 2); // PCM
    PutLe(&header[22], 2, 2);
    PutLe(&header[24], static_cast<std::uint32_t>(m_rate), 4);
    PutLe(&header[28], static_cast<std::uint32_t>(m_rate) * 4, 4);
    PutLe(&header[32], 4, 2);
    PutLe(&header[34], 16, 2);
    put(36, "data");
    PutLe(&header[40], m_dataBytes, 4);
    std::fseek(m_file, 0, SEEK_SET);
    std::fwrite(header.data(), 1, header.size(), m_file);
    std::fseek(m_file, 0, SEEK_END);
}

void WavWriter::Write(const float* stereo, std::size_t frames) {
    if (m_file == nullptr) {
        return;
    }
    std::array<std::uint8_t, 4096> bytes{};
    std::size_t samples = 2 * frames;
    for (std::size_t start = 0; start < samples; start += bytes.size() / 2) {
        std::size_t count = std::min(samples - start, bytes.size() / 2);
        for (std::size_t i = 0; i < count; ++i) {
            float clamped = std::clamp(stereo[start + i], -1.0f, 1.0f);
            auto value = static_cast<std::int16_t>(std::lrint(clamped * 32767.0f));
            PutLe(&bytes[2 * i], static_cast<std::uint16_t>(value), 2);
        }
        std::fwrite(bytes.data(), 1, 2 * count, m_file);
        m_dataBytes += static_cast<std::uint32_t>(2 * count);
    }
}

void WavWriter::Close() {
    if (m_file != nullptr) {
        WriteHeader();
        std::fclose(m_file);
        m_file = nullptr;
    }
}

} // namespace vantor::engine
