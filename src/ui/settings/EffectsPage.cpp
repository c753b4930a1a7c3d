#include "ui/settings/EffectsPage.h"

#include "base/VbNumber.h"
#include "effects/EffectControls.h"
#include "ui/settings/DialogText.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace vantor {

namespace {

constexpr std::size_t kBalance = 3;
constexpr std::array<RateControl, 3> kRateControls{RateControl::Pitch, RateControl::Frequency,
                                                   RateControl::SoundStretch};

QSlider* Slider(const QString& name, int minimum, int maximum, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    return slider;
}

std::int32_t Percent(float scale) {
    return static_cast<std::int32_t>(RoundHalfEven(static_cast<double>(scale) * 100.0));
}

} // namespace

EffectsPage::EffectsPage(Settings& settings, ControlsHost& host, SoundLibrary& sound,
                         QWidget* parent)
    : QWidget(parent), m_settings(settings), m_host(host), m_sound(sound) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildEffects());
    layout->addWidget(BuildRates());
    layout->addStretch();
}

QWidget* EffectsPage::BuildEffects() {
    auto* box = new QGroupBox(qtTrId("エフェクト"), this);
    auto* grid = new QGridLayout(box);
    const std::array<std::pair<EffectIndex, QString>, kEffectCount> effects{{
        {kEffectLowPass, qtTrId("ローパスフィルター")},
        {kEffectEcho, qtTrId("エコー")},
        {kEffectReverb, qtTrId("リバーブ")},
        {kEffectPreverb, qtTrId("プリバーブ")},
        {kEffectRobot, qtTrId("ロボットフィルター")},
    }};
    int row = 0;
    for (const auto& [index, caption] : effects) {
        auto* tick = new QCheckBox(caption, box);
        tick->setObjectName(QStringLiteral("effect%1").arg(index));
        connect(tick, &QCheckBox::toggled, this, &EffectsPage::EnableLevelSliders);
        m_effects[static_cast<std::size_t>(index)] = tick;
        grid->addWidget(tick, row++, 0);
    }
    m_cutOff = Slider(QStringLiteral("cutOffLevel"), 50, 10000, box);
    m_resonance = Slider(QStringLiteral("resonanceLevel"), 1, 20, box);
    m_echo = Slider(QStringLiteral("echoLevel"), 1, 2000, box);
    const std::array<std::tuple<QSlider*, QString, EffectSlider>, 3> sliders{{
        {m_cutOff, qtTrId("カットオフ"), EffectSlider::CutOff},
        {m_resonance, qtTrId("レゾナンス"), EffectSlider::Resonance},
        {m_echo, qtTrId("エコーレベル"), EffectSlider::Echo},
    }};
    row = 0;
    for (const auto& [slider, caption, kind] : sliders) {
        grid->addWidget(new QLabel(caption, box), row, 1);
        grid->addWidget(slider, row++, 2);
        connect(slider, &QSlider::valueChanged, this, [this, kind = kind](int value) {
            if (!m_showing)
                MoveEffectSlider(m_settings, kind, value);
        });
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* EffectsPage::BuildRates() {
    auto* box = new QGroupBox(qtTrId("ピッチ・再生速度・バランス"), this);
    auto* grid = new QGridLayout(box);
    const std::array<QString, 4> captions{qtTrId("ピッチ"), qtTrId("周波数"),
                                          qtTrId("タイムストレッチ"), qtTrId("バランス")};
    const std::array<QString, 4> names{QStringLiteral("pitch"), QStringLiteral("frequency"),
                                       QStringLiteral("soundStretch"), QStringLiteral("balance")};
    for (std::size_t i = 0; i < 4; ++i) {
        const int row = static_cast<int>(i);
        m_switches[i] = new QCheckBox(captions[i], box);
        m_switches[i]->setObjectName(names[i] + QStringLiteral("Enable"));
        m_sliders[i] = i == kBalance ? Slider(names[i] + QStringLiteral("Position"), 0, 255, box)
                                     : Slider(names[i] + QStringLiteral("Scale"), 50, 200, box);
        m_labels[i] = new QLabel(box);
        m_labels[i]->setMinimumWidth(
            m_labels[i]->fontMetrics().horizontalAdvance(QStringLiteral("Balance : Right127")));
        grid->addWidget(m_switches[i], row, 0);
        grid->addWidget(m_sliders[i], row, 1);
        grid->addWidget(m_labels[i], row, 2);
    }
    grid->setColumnStretch(1, 1);
    for (std::size_t i = 0; i < kRateControls.size(); ++i) {
        const RateControl control = kRateControls[i];
        connect(m_switches[i], &QCheckBox::toggled, this, [this, control](bool on) {
            if (!m_showing)
                SetRateSwitch(m_settings, m_host, control, on);
        });
        connect(m_sliders[i], &QSlider::valueChanged, this, [this, i, control](int value) {
            if (!m_showing)
                m_labels[i]->setText(U(MoveRateSlider(m_settings, m_host, control, value)));
        });
    }
    connect(m_switches[kBalance], &QCheckBox::toggled, this, [this](bool on) {
        if (!m_showing)
            SetBalanceSwitch(m_settings, m_host, m_sound, on);
    });
    connect(m_sliders[kBalance], &QSlider::valueChanged, this, [this](int value) {
        if (!m_showing)
            m_labels[kBalance]->setText(U(MoveBalanceSlider(m_settings, m_host, value)));
    });
    return box;
}

void EffectsPage::ShowSettings() {
    m_showing = true;
    for (std::size_t i = 0; i < m_effects.size(); ++i)
        m_effects[i]->setChecked(m_settings.EffectEnabled[i] != 0);
    m_cutOff->setValue(m_settings.CutOffLevel);
    m_resonance->setValue(m_settings.ResonanceLevel);
    m_echo->setValue(m_settings.EchoLevel);
    const std::array<std::int32_t, 4> switches{m_settings.PitchEnable, m_settings.FrequencyEnable,
                                               m_settings.SoundStretchEnable, m_settings.PanEnable};
    const std::array<std::int32_t, 3> scales{Percent(m_settings.PitchScale),
                                             Percent(m_settings.FrequencyScale),
                                             Percent(m_settings.SoundStretchScale)};
    for (std::size_t i = 0; i < 4; ++i)
        m_switches[i]->setChecked(switches[i] != 0);
    for (std::size_t i = 0; i < scales.size(); ++i) {
        m_sliders[i]->setValue(scales[i]);
        m_labels[i]->setText(U(ScaleLabel(scales[i])));
    }
    m_sliders[kBalance]->setValue(m_settings.PanPosition);
    m_labels[kBalance]->setText(U(BalanceLabel(m_settings.PanPosition)));
    m_showing = false;
    EnableLevelSliders();
}

std::array<bool, kEffectCount> EffectsPage::EffectSwitches() const {
    std::array<bool, kEffectCount> ticked{};
    for (std::size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = m_effects[i]->isChecked();
    return ticked;
}

void EffectsPage::SetEffectSwitches(const std::array<bool, kEffectCount>& ticked) {
    for (std::size_t i = 0; i < ticked.size(); ++i)
        m_effects[i]->setChecked(ticked[i]);
}

// The low-pass box frees the cut-off slider; the echo box frees the echo
// level and the resonance together.
void EffectsPage::EnableLevelSliders() {
    m_cutOff->setEnabled(m_effects[kEffectLowPass]->isChecked());
    const bool echo = m_effects[kEffectEcho]->isChecked();
    m_echo->setEnabled(echo);
    m_resonance->setEnabled(echo);
}

} // namespace vantor
