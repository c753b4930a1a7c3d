#include "core/VolumeAnimation.h"

#include "base/VbNumber.h"

namespace vantor {

std::int32_t VolumeFrame(std::int32_t volume, std::int32_t lastFrame) {
    return static_cast<std::int32_t>(RoundHalfEven(volume / 255.0 * lastFrame));
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
    return {animation.frame, !arrived};
}

} // namespace vantor
