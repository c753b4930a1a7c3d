#include "core/VolumeAnimation.h"

#include "base/VbNumber.h"

namespace vantor {

std::int32_t VolumeFrame(std::int32_t volume, std::int32_t lastFrame) {
    return static_cast<std::int32_t>(RoundHalfEven(volume / 255.0 * lastFrame));
}

std::int32_t FrameVolume(std::int32_t frame, std::int32_t lastFrame) {
    if (lastFrame <= 0)
        return 0;
    return static_cast<std::int32_t>(RoundHalfEven(static_cast<double>(frame) / lastFrame * 255.0));
}

void StartVolumeAnimation(VolumeAnimation& animation, std::int32_t targetFrame) {
    animation.started = false;
    animation.targetFrame = targetFrame;
}

VolumeAnimationStep StepVolumeAnimation(VolumeAnimation& animation, std::int32_t volume,
                                        std::int32_t lastFrame) {
    if (!animation.started) {
        animation.frame = VolumeFrame(volume, lastFrame);
        animation.started = true;
    }
    if (animation.frame < animation.targetFrame)
        ++animation.frame;
    else if (animation.frame > animation.targetFrame)
        --animation.frame;
    const bool arrived = animation.frame == animation.targetFrame;
    if (arrived)
        animation.started = false;
    return {animation.frame, FrameVolume(animation.frame, lastFrame), !arrived};
}

} // namespace vantor
