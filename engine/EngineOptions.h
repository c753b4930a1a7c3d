// How a SoundEngine is built: which output receives the mix. Tests and tools
// pick the null or WAV outputs; the player uses the sound device.
#pragma once

#include <functional>
#include <string>

namespace vantor::engine {

enum class OutputKind {
    Device,   // SDL, with the driver the output type selects
    Null,     // no device, paced like real time
    NullFast, // no device, as fast as possible while something is audible
    WavFile,  // as fast as possible while something is audible, into wavPath
    Pull,     // no thread: the owner calls SoundEngine::Render
};

struct EngineOptions {
    OutputKind output = OutputKind::Device;
    std::string wavPath;
    // Runs first on the rendering thread of the Null, NullFast and WavFile outputs.
    std::function<void()> onRenderThreadStart;
};

} // namespace vantor::engine
