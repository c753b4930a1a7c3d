#include "ui/settings/EqualizerPage.h"

#include "effects/EffectControls.h"
#include "effects/EqualizerFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace vantor {

namespace {

constexpr std::array<const char16_t*, kEqualizerBands> kBandCaptions{
    u"31", u"62", u"125", u"250", u"500", u"1k", u"2k", u"4k", u"8k", u"16k"};
constexpr int kMaxLevel = static_cast<int>(kEqualizerMaxLevel);

QSlider* LevelSlider(const QString& name, QWidget* parent) {
    auto* slider = new QSlider(Qt::Vertical, parent);
    slider->setObjectName(name);
    slider->setRange(-kMaxLevel, kMaxLevel);
    slider->setMinimumHeight(120);
    return slider;
}

} // namespace

EqualizerPage::EqualizerPage(FileDialogs& dialogs, MessageBoxes& messages, EqualizerHost& host,
                             QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_messages(messages), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    m_switch = new QCheckBox(qtTrId("イコライザーを有効にする"), this);
    m_switch->setObjectName(QStringLiteral("equalizer"));
    layout->addWidget(m_switch);

    auto* bands = new QGridLayout;
    m_preamp = LevelSlider(QStringLiteral("equalizerPreamp"), this);
    bands->addWidget(m_preamp, 0, 0, Qt::AlignHCenter);
    bands->addWidget(new QLabel(qtTrId("プリアンプ"), this), 1, 0, Qt::AlignHCenter);
    bands->setColumnMinimumWidth(1, 16);
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const int column = static_cast<int>(i) + 2;
        m_bands[i] = LevelSlider(QStringLiteral("equalizerBand%1").arg(i), this);
        bands->addWidget(m_bands[i], 0, column, Qt::AlignHCenter);
        bands->addWidget(new QLabel(QString::fromUtf16(kBandCaptions[i]), this), 1, column,
                         Qt::AlignHCenter);
    }
    layout->addLayout(bands);

    auto* commands = new QHBoxLayout;
    m_presets = new QComboBox(this);
    m_presets->setObjectName(QStringLiteral("equalizerPreset"));
    for (const EqualizerPreset& preset : ShippedEqualizerPresets())
        m_presets->addItem(
            QString::fromUtf8(preset.name.data(), static_cast<qsizetype>(preset.name.size())));
    connect(m_presets, &QComboBox::activated, this, &EqualizerPage::ChoosePreset);
    auto* open = new QPushButton(qtTrId("開く..."), this);
    open->setObjectName(QStringLiteral("equalizerOpen"));
    connect(open, &QPushButton::clicked, this, &EqualizerPage::OpenPreset);
    auto* save = new QPushButton(qtTrId("保存..."), this);
    save->setObjectName(QStringLiteral("equalizerSave"));
    connect(save, &QPushButton::clicked, this,
            [this] { SaveEqualizerPreset(m_dialogs, m_messages, Levels()); });
    commands->addWidget(new QLabel(qtTrId("プリセット"), this));
    commands->addWidget(m_presets, 1);
    commands->addWidget(open);
    commands->addWidget(save);
    layout->addLayout(commands);
    layout->addStretch();

    // Levels move only while the equaliser is on.
    connect(m_switch, &QCheckBox::toggled, this, [this](bool on) {
        m_preamp->setEnabled(on);
        for (QSlider* band : m_bands)
            band->setEnabled(on);
        Drive();
    });
    connect(m_preamp, &QSlider::valueChanged, this, &EqualizerPage::Drive);
    for (QSlider* band : m_bands)
        connect(band, &QSlider::valueChanged, this, &EqualizerPage::Drive);
    SetSwitch(false);
}

bool EqualizerPage::Switch() const {
    return m_switch->isChecked();
}

void EqualizerPage::SetSwitch(bool on) {
    ShowLevels(m_host.EqualizerLevelsNow());
    m_showing = true;
    m_switch->setChecked(on);
    m_showing = false;
    m_preamp->setEnabled(on);
    for (QSlider* band : m_bands)
        band->setEnabled(on);
}

EqualizerLevels EqualizerPage::Levels() const {
    EqualizerLevels levels;
    levels.preamp = static_cast<float>(m_preamp->value());
    for (std::size_t i = 0; i < m_bands.size(); ++i)
        levels.bands[i] = static_cast<float>(m_bands[i]->value());
    return levels;
}

// The sliders hold whole decibels; a preset's fractions are rounded.
void EqualizerPage::ShowLevels(const EqualizerLevels& levels) {
    m_showing = true;
    m_preamp->setValue(static_cast<int>(std::lround(levels.preamp)));
    for (std::size_t i = 0; i < m_bands.size(); ++i)
        m_bands[i]->setValue(static_cast<int>(std::lround(levels.bands[i])));
    m_showing = false;
}

void EqualizerPage::Drive() {
    if (!m_showing)
        m_host.DriveEqualizer(Switch(), Levels());
}

void EqualizerPage::ChoosePreset(int index) {
    ShowLevels(ShippedEqualizerPresets()[static_cast<std::size_t>(index)].levels);
    Drive();
}

void EqualizerPage::OpenPreset() {
    if (std::optional<EqualizerLevels> levels = OpenEqualizerPreset(m_dialogs, m_messages)) {
        ShowLevels(*levels);
        Drive();
    }
}

} // namespace vantor
