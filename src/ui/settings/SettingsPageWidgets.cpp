#include "settings/dialog/AudioOutputChoices.h"
#include "ui/settings/ColorButton.h"
#include "ui/settings/DialogText.h"
#include "ui/settings/FontButton.h"
#include "ui/settings/SettingsControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor {

namespace {

// A page: a column of framed groups, pushed to the top.
class PageBuilder {
public:
    explicit PageBuilder(QWidget* parent) : m_page(new QWidget(parent)) {
        m_layout = new QVBoxLayout(m_page);
    }
    QFormLayout* Group(const QString& title) {
        auto* box = new QGroupBox(title, m_page);
        auto* form = new QFormLayout(box);
        form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
        m_layout->addWidget(box);
        return form;
    }
    QWidget* Done() {
        m_layout->addStretch();
        return m_page;
    }
    QWidget* Page() const { return m_page; }

private:
    QWidget* m_page;
    QVBoxLayout* m_layout;
};

QCheckBox* Tick(QFormLayout* form, const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption, form->parentWidget());
    box->setObjectName(name);
    form->addRow(box);
    return box;
}

QLineEdit* Box(QFormLayout* form, const QString& name, const QString& caption,
               const QString& unit = {}) {
    auto* edit = new QLineEdit(form->parentWidget());
    edit->setObjectName(name);
    if (unit.isEmpty()) {
        form->addRow(caption, edit);
        return edit;
    }
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(new QLabel(unit, form->parentWidget()));
    row->addStretch();
    form->addRow(caption, row);
    return edit;
}

QComboBox* List(QFormLayout* form, const QString& name, const QString& caption) {
    auto* list = new QComboBox(form->parentWidget());
    list->setObjectName(name);
    form->addRow(caption, list);
    return list;
}

template <typename Captions>
void AddCaptions(QComboBox* list, const Captions& captions) {
    for (std::string_view caption : captions)
        list->addItem(U(caption));
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A path box with its choose button.
QLineEdit* PathBox(QFormLayout* form, const QString& name, const QString& caption,
                   std::function<void()> choose) {
    auto* edit = new QLineEdit(form->parentWidget());
    edit->setObjectName(name);
    auto* button = new QPushButton(qtTrId("参照..."), form->parentWidget());
    button->setObjectName(name + QStringLiteral("Button"));
    QObject::connect(button, &QPushButton::clicked, form->parentWidget(), std::move(choose));
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(button);
    form->addRow(caption, row);
    return edit;
}

} // namespace

QWidget* BuildNotePage(const QString& title, const QString& text, QWidget* parent) {
    PageBuilder page(parent);
    auto* label = new QLabel(text, page.Page());
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    page.Group(title)->addRow(label);
    return page.Done();
}

QWidget* BuildPlayOptionsPage(SettingsControls& c, QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* modes = page.Group(qtTrId("再生モード"));
    c.loop = Tick(modes, QStringLiteral("loop"), qtTrId("ループ再生"));
    c.random = Tick(modes, QStringLiteral("random"), qtTrId("ランダム再生"));
    c.nonStop = Tick(modes, QStringLiteral("nonStop"), qtTrId("ノンストップミックス"));
    c.gapLength =
        Box(modes, QStringLiteral("gapLength"), qtTrId("曲の重なり"), QStringLiteral("ms"));
    QFormLayout* adding = page.Group(qtTrId("ファイルの追加"));
    c.autoPlay =
        Tick(adding, QStringLiteral("autoPlay"), qtTrId("ファイルを追加したら自動的に再生する"));
    c.searchSubFolder = Tick(adding, QStringLiteral("searchSubFolder"),
                             qtTrId("フォルダの追加でサブフォルダも検索する"));
    return page.Done();
}

QWidget* BuildAudioOutputPage(SettingsControls& c,
                              std::function<std::vector<std::string>(int)> driverNames,
                              QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* device = page.Group(qtTrId("出力デバイス"));
    c.output = List(device, QStringLiteral("output"), qtTrId("出力"));
    AddCaptions(c.output, kOutputCaptions);
    c.driver = List(device, QStringLiteral("driver"), qtTrId("ドライバー"));
    QObject::connect(c.output, &QComboBox::currentIndexChanged, c.output,
                     [&c, driverNames = std::move(driverNames)](int index) {
                         FillDriverList(c, driverNames(index), 0);
                     });
    QFormLayout* mixing = page.Group(qtTrId("ミキサー"));
    c.mixer = List(mixing, QStringLiteral("mixer"), qtTrId("ミキサー"));
    AddCaptions(c.mixer, kMixerCaptions);
    c.rate = List(mixing, QStringLiteral("rate"), qtTrId("出力周波数"));
    AddCaptions(c.rate, kRateCaptions);
    c.bufferLength = Box(mixing, QStringLiteral("bufferLength"), qtTrId("ストリームバッファー"),
                         QStringLiteral("ms"));
    c.globalFocus =
        Tick(mixing, QStringLiteral("globalFocus"), qtTrId("ウィンドウが非アクティブでも音を出す"));
    c.forceSoftwareMidi =
        Tick(mixing, QStringLiteral("forceSoftwareMidi"), qtTrId("MIDIをソフトウェアで再生する"));
    auto* note =
        new QLabel(qtTrId("オーディオ出力の設定を変更して適用すると、プレイヤーが再起動します。"),
                   page.Page());
    note->setWordWrap(true);
    mixing->addRow(note);
    return page.Done();
}

void FillDriverList(SettingsControls& c, const std::vector<std::string>& names, int driverIndex) {
    c.driver->clear();
    for (const std::string& name : names)
        c.driver->addItem(Q(name));
    c.driver->setCurrentIndex(driverIndex < c.driver->count() ? driverIndex : -1);
}

QWidget* BuildMainDisplayPage(SettingsControls& c, QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* song = page.Group(qtTrId("曲情報"));
    c.font = new FontButton(page.Page());
    song->addRow(qtTrId("フォント"), c.font);
    c.fontColor = new ColorButton(QStringLiteral("songInfoFontColor"), page.Page());
    song->addRow(qtTrId("文字色"), c.fontColor);
    c.songInfoStyle = Box(song, QStringLiteral("songInfoStyle"), qtTrId("表示形式 (%1～%7)"));
    c.scrollDisable =
        Tick(song, QStringLiteral("scrollDisable"), qtTrId("曲情報をスクロールしない"));
    c.scrollWait =
        Box(song, QStringLiteral("scrollWait"), qtTrId("スクロール間隔"), QStringLiteral("ms"));
    c.ignoreSkinFont =
        Tick(song, QStringLiteral("ignoreSkinFont"), qtTrId("スキンのフォント設定を無視する"));
    QFormLayout* window = page.Group(qtTrId("ウィンドウ"));
    c.volumeAnimation =
        Tick(window, QStringLiteral("volumeAnimation"), qtTrId("ボリュームをアニメーションする"));
    c.volumeAnimationWait = Box(window, QStringLiteral("volumeAnimationWait"),
                                qtTrId("アニメーション間隔"), QStringLiteral("ms"));
    c.showInSystemTask = Tick(window, QStringLiteral("showInSystemTask"),
                              qtTrId("最小化したらトレイアイコンにする"));
    c.alwaysOnTop = Tick(window, QStringLiteral("alwaysOnTop"), qtTrId("常に手前に表示"));
    return page.Done();
}

QWidget* BuildPlaylistDisplayPage(SettingsControls& c, QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* lines = page.Group(qtTrId("プレイリストの行"));
    c.playListStyle = Box(lines, QStringLiteral("playListStyle"), qtTrId("表示形式 (%1～%7)"));
    c.showTrackNumber =
        Tick(lines, QStringLiteral("showTrackNumber"), qtTrId("トラック番号を表示する"));
    c.showTrackPlayTime =
        Tick(lines, QStringLiteral("showTrackPlayTime"), qtTrId("演奏時間を表示する"));
    QFormLayout* behaviour = page.Group(qtTrId("動作"));
    c.wheelScrollValue = Box(behaviour, QStringLiteral("wheelScrollValue"),
                             qtTrId("ホイールのスクロール量"), qtTrId("行"));
    c.getTagInterval = Box(behaviour, QStringLiteral("getTagInterval"), qtTrId("タグ読み込み間隔"),
                           QStringLiteral("ms"));
    return page.Done();
}

QWidget* BuildAnalyzerPage(SettingsControls& c, std::function<void()> choosePattern,
                           QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* analyzer = page.Group(qtTrId("アナライザー"));
    c.analyzerPattern = List(analyzer, QStringLiteral("analyzerPattern"), qtTrId("表示"));
    for (int style = 1; style <= 13; ++style)
        c.analyzerPattern->addItem(qtTrId("FFTアナライザー %1").arg(style));
    c.analyzerPattern->addItem(qtTrId("オシロスコープ"));
    c.analyzerPriority =
        Box(analyzer, QStringLiteral("analyzerPriority"), qtTrId("更新間隔"), QStringLiteral("ms"));
    c.analyzerDisable =
        Tick(analyzer, QStringLiteral("analyzerDisable"), qtTrId("アナライザーを停止する"));
    c.analyzerPatternFile = PathBox(analyzer, QStringLiteral("analyzerPatternFile"),
                                    qtTrId("パターンファイル"), std::move(choosePattern));
    c.ignoreSkinAnalyzerPattern = Tick(analyzer, QStringLiteral("ignoreSkinAnalyzerPattern"),
                                       qtTrId("スキンのパターン設定を無視する"));
    QFormLayout* scope = page.Group(qtTrId("オシロスコープ"));
    c.oscilloscopeColor = new ColorButton(QStringLiteral("oscilloscopeColor"), page.Page());
    scope->addRow(qtTrId("線の色"), c.oscilloscopeColor);
    c.oscilloscopeWidth =
        Box(scope, QStringLiteral("oscilloscopeWidth"), qtTrId("描画幅"), QStringLiteral("px"));
    c.ignoreSkinOscilloscope = Tick(scope, QStringLiteral("ignoreSkinOscilloscope"),
                                    qtTrId("スキンのオシロスコープ設定を無視する"));
    return page.Done();
}

QWidget* BuildOtherPage(SettingsControls& c, QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* other = page.Group(qtTrId("その他"));
    c.mpegAccurate =
        Tick(other, QStringLiteral("mpegAccurate"), qtTrId("MPEGファイルを正確に解析する"));
    c.trimWorkingSet = Tick(other, QStringLiteral("trimWorkingSet"),
                            qtTrId("使っていないメモリーをシステムに返す"));
    QFormLayout* gain = page.Group(qtTrId("リプレイゲイン"));
    // In the order of ReplayGainMode.
    c.replayGainMode = List(gain, QStringLiteral("replayGainMode"), qtTrId("音量の補正"));
    c.replayGainMode->addItems(
        {qtTrId("しない"), qtTrId("トラックゲイン"), qtTrId("アルバムゲイン")});
    c.replayGainPreamp = new QDoubleSpinBox(gain->parentWidget());
    c.replayGainPreamp->setObjectName(QStringLiteral("replayGainPreamp"));
    c.replayGainPreamp->setRange(-kReplayGainMaxPreampDb, kReplayGainMaxPreampDb);
    c.replayGainPreamp->setDecimals(1);
    c.replayGainPreamp->setSingleStep(0.5);
    c.replayGainPreamp->setSuffix(QStringLiteral(" dB"));
    gain->addRow(qtTrId("プリアンプ"), c.replayGainPreamp);
    return page.Done();
}

QWidget* BuildSkinFolderPage(SettingsControls& c, std::function<void()> chooseFolder,
                             QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* skins = page.Group(qtTrId("スキンブラウザー"));
    c.skinFolder = PathBox(skins, QStringLiteral("skinFolder"), qtTrId("スキンフォルダ"),
                           std::move(chooseFolder));
    return page.Done();
}

} // namespace vantor
