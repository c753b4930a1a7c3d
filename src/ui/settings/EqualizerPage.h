// The equaliser page: its switch (taken when the window applies), the band
// and preamp sliders, which drive the sound at once while the switch is
// ticked, the preset list and the preset file commands.
#pragma once

#include "effects/EqualizerHost.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QSlider;

namespace vantor {

class EqualizerPage : public QWidget {
    Q_OBJECT
public:
    EqualizerPage(FileDialogs& dialogs, MessageBoxes& messages, EqualizerHost& host,
                  QWidget* parent = nullptr);

    bool Switch() const;
    // Also shows the levels the player keeps.
    void SetSwitch(bool on);

private:
    EqualizerLevels Levels() const;
    void ShowLevels(const EqualizerLevels& levels);
    void Drive();
    void ChoosePreset(int index);
    void OpenPreset();

    FileDialogs& m_dialogs;
    MessageBoxes& m_messages;
    EqualizerHost& m_host;
    QCheckBox* m_switch = nullptr;
    QSlider* m_preamp = nullptr;
    std::array<QSlider*, kEqualizerBands> m_bands{};
    QComboBox* m_presets = nullptr;
    // Set while the sliders are being filled, so that filling drives nothing.
    bool m_showing = false;
};

} // namespace vantor
