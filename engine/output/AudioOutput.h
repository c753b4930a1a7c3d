// Where mixed frames go: a sound device, nothing, or a WAV file. Started and
// stopped on the UI thread; the output calls Mixer::Render from its own
// thread between Start and Stop.
#pragma once

#include "engine/mix/Mixer.h"

namespace vantor::engine {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // False when the output cannot start (the device is missing or busy).
    virtual bool Start(Mixer& mixer) = 0;
    virtual void Stop() = 0;
    // Something may sound again: an output that let its device go while
    // nothing was audible takes it back. UI thread.
    virtual void Wake() {}
    // Frames of sound buffered between the mixer and the listener.
    virtual std::size_t BufferFrames() const = 0;
};

} // namespace vantor::engine
