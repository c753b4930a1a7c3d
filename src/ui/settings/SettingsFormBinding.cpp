#include "ui/settings/AssociationPage.h"
#include "ui/settings/ColorButton.h"
#include "ui/settings/DialogText.h"
#include "ui/settings/EffectsPage.h"
#include "ui/settings/EqualizerPage.h"
#include "ui/settings/FontButton.h"
#include "ui/settings/SettingsControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>

namespace vantor {

namespace {

void Set(QLineEdit* edit, const std::string& text) {
    edit->setText(U(text));
}

std::string Text(const QLineEdit* edit) {
    return S(edit->text());
}

ReplayGainMode ReplayGainModeAt(int index) {
    switch (index) {
    case 1:
        return ReplayGainMode::Track;
    case 2:
        return ReplayGainMode::Album;
    default:
        return ReplayGainMode::Off;
    }
}

// The analyzer list holds patterns 1..14 in order.
int PatternIndex(std::int32_t pattern) {
    return pattern >= 1 && pattern <= 14 ? pattern - 1 : -1;
}

} // namespace

void ShowForm(const SettingsForm& form, SettingsControls& c) {
    c.loop->setChecked(form.loop);
    c.random->setChecked(form.random);
    c.nonStop->setChecked(form.nonStop);
    Set(c.gapLength, form.gapLength);
    c.autoPlay->setChecked(form.autoPlay);
    c.searchSubFolder->setChecked(form.searchSubFolder);

    c.effects->SetEffectSwitches(form.effectEnabled);
    c.equalizer->SetSwitch(form.equalizer);

    // The driver list is filled by the caller, which knows the devices.
    c.output->setCurrentIndex(form.outputIndex);
    c.mixer->setCurrentIndex(form.mixerIndex);
    c.rate->setCurrentIndex(form.rateIndex);
    c.globalFocus->setChecked(form.globalFocus);
    c.forceSoftwareMidi->setChecked(form.forceSoftwareMidi);
    Set(c.bufferLength, form.bufferLength);

    c.font->SetFont({form.fontName, form.fontSize, form.fontBold, form.fontItalic});
    c.fontColor->SetColorRef(form.fontColor);
    Set(c.songInfoStyle, form.songInfoStyle);
    c.scrollDisable->setChecked(form.scrollDisable);
    Set(c.scrollWait, form.scrollWait);
    c.volumeAnimation->setChecked(form.volumeAnimation);
    Set(c.volumeAnimationWait, form.volumeAnimationWait);
    c.showInSystemTask->setChecked(form.showInSystemTask);
    c.alwaysOnTop->setChecked(form.alwaysOnTop);
    c.ignoreSkinFont->setChecked(form.ignoreSkinFont);

    Set(c.playListStyle, form.playListStyle);
    c.showTrackNumber->setChecked(form.showTrackNumber);
    c.showTrackPlayTime->setChecked(form.showTrackPlayTime);
    Set(c.wheelScrollValue, form.wheelScrollValue);
    Set(c.getTagInterval, form.getTagInterval);

    c.analyzerPattern->setCurrentIndex(PatternIndex(form.analyzerPattern));
    Set(c.analyzerPriority, form.analyzerPriority);
    c.analyzerDisable->setChecked(form.analyzerDisable);
    Set(c.analyzerPatternFile, form.analyzerPatternFile);
    c.oscilloscopeColor->SetColorRef(form.oscilloscopeColor);
    Set(c.oscilloscopeWidth, form.oscilloscopeWidth);
    c.ignoreSkinAnalyzerPattern->setChecked(form.ignoreSkinAnalyzerPattern);
    c.ignoreSkinOscilloscope->setChecked(form.ignoreSkinOscilloscope);

    c.associations->SetTicks(form.associations);

    c.mpegAccurate->setChecked(form.mpegAccurate);
    c.trimWorkingSet->setChecked(form.trimWorkingSet);
    c.replayGainMode->setCurrentIndex(static_cast<int>(form.replayGain.mode));
    c.replayGainPreamp->setValue(form.replayGain.preampDb);

    Set(c.skinFolder, form.skinFolder);
}

SettingsForm ReadForm(const SettingsControls& c) {
    SettingsForm form;
    form.loop = c.loop->isChecked();
    form.random = c.random->isChecked();
    form.nonStop = c.nonStop->isChecked();
    form.gapLength = Text(c.gapLength);
    form.autoPlay = c.autoPlay->isChecked();
    form.searchSubFolder = c.searchSubFolder->isChecked();

    form.effectEnabled = c.effects->EffectSwitches();
    form.equalizer = c.equalizer->Switch();

    form.outputIndex = c.output->currentIndex();
    form.driverIndex = c.driver->currentIndex();
    form.mixerIndex = c.mixer->currentIndex();
    form.rateIndex = c.rate->currentIndex();
    form.globalFocus = c.globalFocus->isChecked();
    form.forceSoftwareMidi = c.forceSoftwareMidi->isChecked();
    form.bufferLength = Text(c.bufferLength);

    const ChosenFont& font = c.font->Font();
    form.fontName = font.name;
    form.fontSize = font.size;
    form.fontBold = font.bold;
    form.fontItalic = font.italic;
    form.fontColor = c.fontColor->ColorRef();
    form.songInfoStyle = Text(c.songInfoStyle);
    form.scrollDisable = c.scrollDisable->isChecked();
    form.scrollWait = Text(c.scrollWait);
    form.volumeAnimation = c.volumeAnimation->isChecked();
    form.volumeAnimationWait = Text(c.volumeAnimationWait);
    form.showInSystemTask = c.showInSystemTask->isChecked();
    form.alwaysOnTop = c.alwaysOnTop->isChecked();
    form.ignoreSkinFont = c.ignoreSkinFont->isChecked();

    form.playListStyle = Text(c.playListStyle);
    form.showTrackNumber = c.showTrackNumber->isChecked();
    form.showTrackPlayTime = c.showTrackPlayTime->isChecked();
    form.wheelScrollValue = Text(c.wheelScrollValue);
    form.getTagInterval = Text(c.getTagInterval);

    form.analyzerPattern = c.analyzerPattern->currentIndex() + 1;
    form.analyzerPriority = Text(c.analyzerPriority);
    form.analyzerDisable = c.analyzerDisable->isChecked();
    form.analyzerPatternFile = Text(c.analyzerPatternFile);
    form.oscilloscopeColor = c.oscilloscopeColor->ColorRef();
    form.oscilloscopeWidth = Text(c.oscilloscopeWidth);
    form.ignoreSkinAnalyzerPattern = c.ignoreSkinAnalyzerPattern->isChecked();
    form.ignoreSkinOscilloscope = c.ignoreSkinOscilloscope->isChecked();

    form.associations = c.associations->Ticks();

    form.mpegAccurate = c.mpegAccurate->isChecked();
    form.trimWorkingSet = c.trimWorkingSet->isChecked();
    form.replayGain = {ReplayGainModeAt(c.replayGainMode->currentIndex()),
                       c.replayGainPreamp->value()};

    form.skinFolder = Text(c.skinFolder);
    return form;
}

} // namespace vantor
