// The volume knob's animation: a frame strip knob turning one frame per
// tick of its timer towards the frame the user chose. UI thread only.
#pragma once

#include <cstdint>

namespace vantor {

struct VolumeAnimation {
    bool started = false;
    std::int32_t frame = 0;
    std::int32_t targetFrame = 0;
};

struct VolumeAnimationStep {
    // The frame to draw now, and the volume it stands for.
    std::int32_t frame = 0;
    std::int32_t volume = 0;
    // False once the target is reached: the timer stops.
    bool keepRunning = false;
};

// The frame strip shows `volume` (0..255) as this frame.
std::int32_t VolumeFrame(std::int32_t volume, std::int32_t lastFrame);
// The volume a frame of the strip stands for.
std::int32_t FrameVolume(std::int32_t frame, std::int32_t lastFrame);

// Starts a run towards `targetFrame`; the next step begins at the frame of
// the volume then current.
void StartVolumeAnimation(VolumeAnimation& animation, std::int32_t targetFrame);

// One tick: the first starts at the frame of `volume`; each moves one frame
// towards the target.
VolumeAnimationStep StepVolumeAnimation(VolumeAnimation& animation, std::int32_t volume,
                                        std::int32_t lastFrame);

} // namespace vantor
