#include "ui/settings/EqualizerPage.h"

#include "effects/EffectControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vantor {

namespace {

constexpr std::array<const char16_t*, 10> kBandCaptions{u"60", u"170", u"310", u"600", u"1k",
                                                        u"3k", u"6k",  u"12k", u"14k", u"16k"};

struct Preset {
    const char16_t* name;
    std::array<int, 10> gains; // dB
};

constexpr std::array<Preset, 4> kPresets{{
    {u"Flat", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {u"Rock", {5, 3, -3, -5, -2, 2, 5, 6, 6, 6}},
    {u"Pop", {-1, 3, 5, 5, 3, 0, -1, -1, -1, -1}},
    {u"Classical", {0, 0, 0, 0, 0, 0, -4, -4, -4, -6}},
}};

} // namespace

EqualizerPage::EqualizerPage(FileDialogs& dialogs, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    m_switch = new QCheckBox(QStringLiteral("イコライザーを有効にする"), this);
    m_switch->setObjectName(QStringLiteral("equalizer"));
    layout->addWidget(m_switch);

    auto* bands = new QGridLayout;
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const int column = static_cast<int>(i);
        m_bands[i] = new QSlider(Qt::Vertical, this);
        m_bands[i]->setObjectName(QStringLiteral("equalizerBand%1").arg(i));
        m_bands[i]->setRange(-12, 12);
        m_bands[i]->setMinimumHeight(120);
        bands->addWidget(m_bands[i], 0, column, Qt::AlignHCenter);
        bands->addWidget(new QLabel(QString::fromUtf16(kBandCaptions[i]), this), 1, column,
                         Qt::AlignHCenter);
    }
    layout->addLayout(bands);

    auto* commands = new QHBoxLayout;
    m_presets = new QComboBox(this);
    m_presets->setObjectName(QStringLiteral("equalizerPreset"));
    for (const Preset& preset : kPresets)
        m_presets->addItem(QString::fromUtf16(preset.name));
    connect(m_presets, &QComboBox::activated, this, &EqualizerPage::ChoosePreset);
    auto* open = new QPushButton(QStringLiteral("開く..."), this);
    open->setObjectName(QStringLiteral("equalizerOpen"));
    connect(open, &QPushButton::clicked, this,
            [&dialogs] { ShowEqualizerPresetDialog(dialogs, false); });
    auto* save = new QPushButton(QStringLiteral("保存..."), this);
    save->setObjectName(QStringLiteral("equalizerSave"));
    connect(save, &QPushButton::clicked, this,
            [&dialogs] { ShowEqualizerPresetDialog(dialogs, true); });
    commands->addWidget(new QLabel(QStringLiteral("プリセット"), this));
    commands->addWidget(m_presets, 1);
    commands->addWidget(open);
    commands->addWidget(save);
    layout->addLayout(commands);
    layout->addStretch();

    // Bands move only while the equaliser is on.
    connect(m_switch, &QCheckBox::toggled, this, [this](bool on) {
        for (QSlider* band : m_bands)
            band->setEnabled(on);
    });
    SetSwitch(false);
}

bool EqualizerPage::Switch() const {
    return m_switch->isChecked();
}

void EqualizerPage::SetSwitch(bool on) {
    m_switch->setChecked(on);
    for (QSlider* band : m_bands)
        band->setEnabled(on);
}

void EqualizerPage::ChoosePreset(int index) {
    const Preset& preset = kPresets[static_cast<std::size_t>(index)];
    for (std::size_t i = 0; i < m_bands.size(); ++i)
        m_bands[i]->setValue(preset.gains[i]);
}

} // namespace vantor
