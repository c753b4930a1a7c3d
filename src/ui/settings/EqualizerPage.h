// The equaliser page: its switch (taken when the window applies), band
// sliders and preset list, and the preset file commands, which show their
// dialogs only. The sound path has no equaliser stage yet.
#pragma once

#include "platform/FileDialogs.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QSlider;

namespace vantor {

class EqualizerPage : public QWidget {
    Q_OBJECT
public:
    EqualizerPage(FileDialogs& dialogs, QWidget* parent = nullptr);

    bool Switch() const;
    void SetSwitch(bool on);

private:
    void ChoosePreset(int index);

    QCheckBox* m_switch = nullptr;
    std::array<QSlider*, 10> m_bands{};
    QComboBox* m_presets = nullptr;
};

} // namespace vantor
