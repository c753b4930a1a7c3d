// The skinned bars' way into the sound: volume and seek applied to the
// track(s) that play, the pan to the mixer output, the rate controls
// through the sound set-up. Borrows the playback context and the sound
// system; UI thread only.
#pragma once

#include "core/PlaybackContext.h"
#include "core/SoundSetup.h"
#include "skin/BarSoundControls.h"

namespace vantor {

class PlaybackBarControls : public BarSoundControls {
public:
    PlaybackBarControls(PlaybackContext& context, SoundSystem& system)
        : m_ctx(context), m_system(system) {}

    void ApplyVolume(std::int32_t volume) override;
    void ApplyPan(std::int32_t pan) override;
    void ApplySoundControls() override;
    void SeekToFraction(double fraction) override;
    void SetSeek(std::int32_t value) override;

private:
    // Moves every playing slot to `fraction` of its song orders or stream bytes.
    void Seek(double fraction);

    PlaybackContext& m_ctx;
    SoundSystem& m_system;
};

} // namespace vantor
