// The effect page: the five effect switches (taken when the window
// applies) with their level sliders, and the row of rate and balance
// switches and sliders, which act at once as the user moves them.
#pragma once

#include "effects/ControlsHost.h"
#include "settings/Settings.h"
#include "sound/SoundLibrary.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QSlider;

namespace vantor {

class EffectsPage : public QWidget {
    Q_OBJECT
public:
    EffectsPage(Settings& settings, ControlsHost& host, SoundLibrary& sound,
                QWidget* parent = nullptr);

    // The controls from the settings, without acting on them.
    void ShowSettings();
    std::array<bool, kEffectCount> EffectSwitches() const;
    void SetEffectSwitches(const std::array<bool, kEffectCount>& ticked);

private:
    QWidget* BuildEffects();
    QWidget* BuildRates();
    void EnableLevelSliders();

    Settings& m_settings;
    ControlsHost& m_host;
    SoundLibrary& m_sound;
    bool m_showing = false;
    std::array<QCheckBox*, kEffectCount> m_effects{};
    QSlider* m_cutOff = nullptr;
    QSlider* m_resonance = nullptr;
    QSlider* m_echo = nullptr;
    // Pitch, frequency, sound stretch, balance.
    std::array<QCheckBox*, 4> m_switches{};
    std::array<QSlider*, 4> m_sliders{};
    std::array<QLabel*, 4> m_labels{};
};

} // namespace vantor
