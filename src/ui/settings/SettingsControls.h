// The controls of the settings window's simple pages, built by the
// functions below, and how a form moves in and out of them. Object names
// follow the form's fields, so tests and accessibility tools find them.
#pragma once

#include "settings/dialog/SettingsForm.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QWidget;

namespace vantor {

class AssociationPage;
class ColorButton;
class EffectsPage;
class EqualizerPage;
class FontButton;

struct SettingsControls {
    QCheckBox* loop = nullptr;
    QCheckBox* random = nullptr;
    QCheckBox* nonStop = nullptr;
    QLineEdit* gapLength = nullptr;
    QCheckBox* autoPlay = nullptr;
    QCheckBox* searchSubFolder = nullptr;

    EffectsPage* effects = nullptr;
    EqualizerPage* equalizer = nullptr;

    QComboBox* output = nullptr;
    QComboBox* driver = nullptr;
    QComboBox* mixer = nullptr;
    QComboBox* rate = nullptr;
    QCheckBox* globalFocus = nullptr;
    QCheckBox* forceSoftwareMidi = nullptr;
    QLineEdit* bufferLength = nullptr;

    FontButton* font = nullptr;
    ColorButton* fontColor = nullptr;
    QLineEdit* songInfoStyle = nullptr;
    QCheckBox* scrollDisable = nullptr;
    QLineEdit* scrollWait = nullptr;
    QCheckBox* volumeAnimation = nullptr;
    QLineEdit* volumeAnimationWait = nullptr;
    QCheckBox* showInSystemTask = nullptr;
    QCheckBox* alwaysOnTop = nullptr;
    QCheckBox* ignoreSkinFont = nullptr;

    QLineEdit* playListStyle = nullptr;
    QCheckBox* showTrackNumber = nullptr;
    QCheckBox* showTrackPlayTime = nullptr;
    QLineEdit* wheelScrollValue = nullptr;
    QLineEdit* getTagInterval = nullptr;

    QComboBox* analyzerPattern = nullptr;
    QLineEdit* analyzerPriority = nullptr;
    QCheckBox* analyzerDisable = nullptr;
    QLineEdit* analyzerPatternFile = nullptr;
    ColorButton* oscilloscopeColor = nullptr;
    QLineEdit* oscilloscopeWidth = nullptr;
    QCheckBox* ignoreSkinAnalyzerPattern = nullptr;
    QCheckBox* ignoreSkinOscilloscope = nullptr;

    AssociationPage* associations = nullptr;

    QCheckBox* mpegAccurate = nullptr;
    QCheckBox* trimWorkingSet = nullptr;
    QComboBox* replayGainMode = nullptr;
    QDoubleSpinBox* replayGainPreamp = nullptr;

    QLineEdit* skinFolder = nullptr;
};

// A page that only tells something.
QWidget* BuildNotePage(const QString& title, const QString& text, QWidget* parent);
QWidget* BuildPlayOptionsPage(SettingsControls& c, QWidget* parent);
// `driverNames` lists the devices of an output; the driver list follows
// the output list through it.
QWidget* BuildAudioOutputPage(SettingsControls& c,
                              std::function<std::vector<std::string>(int)> driverNames,
                              QWidget* parent);
QWidget* BuildMainDisplayPage(SettingsControls& c, QWidget* parent);
QWidget* BuildPlaylistDisplayPage(SettingsControls& c, QWidget* parent);
// `choosePattern` answers the pattern file's choose button.
QWidget* BuildAnalyzerPage(SettingsControls& c, std::function<void()> choosePattern,
                           QWidget* parent);
QWidget* BuildOtherPage(SettingsControls& c, QWidget* parent);
QWidget* BuildSkinFolderPage(SettingsControls& c, std::function<void()> chooseFolder,
                             QWidget* parent);

// The driver list of output `outputIndex` with `driverIndex` selected.
void FillDriverList(SettingsControls& c, const std::vector<std::string>& names, int driverIndex);

void ShowForm(const SettingsForm& form, SettingsControls& c);
SettingsForm ReadForm(const SettingsControls& c);

} // namespace vantor
