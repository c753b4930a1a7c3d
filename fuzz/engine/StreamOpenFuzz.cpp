// Arbitrary bytes opened as a sound library stream, as a file and as a byte
// range inside it: opening must fail with an error code or give a stream that
// plays, seeks and closes without fault.
#include "engine/SoundEngine.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

vantor::engine::SoundEngine& Engine() {
    static vantor::engine::SoundEngine* engine = [] {
        auto* e = new vantor::engine::SoundEngine(
            vantor::engine::EngineOptions{vantor::engine::OutputKind::Pull, "", nullptr});
        e->FSOUND_Init(8000, 128, 0);
        return e;
    }();
    return *engine;
}

const std::string& InputPath() {
    static const std::string path =
        "/tmp/vantor-stream-fuzz-" + std::to_string(::getpid()) + ".bin";
    return path;
}

void Exercise(vantor::engine::SoundEngine& engine, std::int32_t offset, std::int32_t length) {
    vantor::StreamHandle stream =
        engine.FSOUND_Stream_Open(InputPath(), vantor::kStreamModeFile, offset, length);
    if (stream == 0) {
        return;
    }
    std::int32_t channel = engine.FSOUND_Stream_PlayEx(vantor::FSOUND_FREE, stream, 0, false);
    float block[2 * 256];
    for (int i = 0; i < 16 && engine.FSOUND_IsPlaying(channel); ++i) {
        engine.Render(block, 256);
    }
    engine.FSOUND_Stream_SetPosition(stream, engine.FSOUND_Stream_GetLength(stream) / 2);
    engine.Render(block, 256);
    engine.FSOUND_Stream_GetTime(stream);
    engine.FSOUND_Stream_Close(stream);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    vantor::engine::SoundEngine& engine = Engine();
    Exercise(engine, 0, 0);
    if (size > 8) {
        // The range the first byte chooses, as a ZIP member's bytes would be.
        auto offset = static_cast<std::int32_t>(data[0] % 8);
        Exercise(engine, offset, static_cast<std::int32_t>(size) - offset - 1);
    }
    std::remove(InputPath().c_str());
    return 0;
}
