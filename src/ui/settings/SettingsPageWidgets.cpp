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
    auto* button = new QPushButton(QStringLiteral("参照..."), form->parentWidget());
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
    QFormLayout* modes = page.Group(QStringLiteral("再生モード"));
    c.loop = Tick(modes, QStringLiteral("loop"), QStringLiteral("ループ再生"));
    c.random = Tick(modes, QStringLiteral("random"), QStringLiteral("ランダム再生"));
    c.nonStop = Tick(modes, QStringLiteral("nonStop"), QStringLiteral("ノンストップミックス"));
    c.gapLength =
        Box(modes, QStringLiteral("gapLength"), QStringLiteral("曲の重なり"), QStringLiteral("ms"));
    QFormLayout* adding = page.Group(QStringLiteral("ファイルの追加"));
    c.autoPlay = Tick(adding, QStringLiteral("autoPlay"),
                      QStringLiteral("ファイルを追加したら自動的に再生する"));
    c.searchSubFolder = Tick(adding, QStringLiteral("searchSubFolder"),
                             QStringLiteral("フォルダの追加でサブフォルダも検索する"));
    return page.Done();
}

QWidget* BuildAudioOutputPage(SettingsControls& c,
                              std::function<std::vector<std::string>(int)> driverNames,
                              QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* device = page.Group(QStringLiteral("出力デバイス"));
    c.output = List(device, QStringLiteral("output"), QStringLiteral("出力"));
    AddCaptions(c.output, kOutputCaptions);
    c.driver = List(device, QStringLiteral("driver"), QStringLiteral("ドライバー"));
    QObject::connect(c.output, &QComboBox::currentIndexChanged, c.output,
                     [&c, driverNames = std::move(driverNames)](int index) {
                         FillDriverList(c, driverNames(index), 0);
                     });
    QFormLayout* mixing = page.Group(QStringLiteral("ミキサー"));
    c.mixer = List(mixing, QStringLiteral("mixer"), QStringLiteral("ミキサー"));
    AddCaptions(c.mixer, kMixerCaptions);
    c.rate = List(mixing, QStringLiteral("rate"), QStringLiteral("出力周波数"));
    AddCaptions(c.rate, kRateCaptions);
    c.bufferLength = Box(mixing, QStringLiteral("bufferLength"),
                         QStringLiteral("ストリームバッファー"), QStringLiteral("ms"));
    c.globalFocus = Tick(mixing, QStringLiteral("globalFocus"),
                         QStringLiteral("ウィンドウが非アクティブでも音を出す"));
    c.forceSoftwareMidi = Tick(mixing, QStringLiteral("forceSoftwareMidi"),
                               QStringLiteral("MIDIをソフトウェアで再生する"));
    auto* note = new QLabel(
        QStringLiteral("オーディオ出力の設定を変更して適用すると、プレイヤーが再起動します。"),
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
    QFormLayout* song = page.Group(QStringLiteral("曲情報"));
    c.font = new FontButton(page.Page());
    song->addRow(QStringLiteral("フォント"), c.font);
    c.fontColor = new ColorButton(QStringLiteral("songInfoFontColor"), page.Page());
    song->addRow(QStringLiteral("文字色"), c.fontColor);
    c.songInfoStyle =
        Box(song, QStringLiteral("songInfoStyle"), QStringLiteral("表示形式 (%1～%7)"));
    c.scrollDisable =
        Tick(song, QStringLiteral("scrollDisable"), QStringLiteral("曲情報をスクロールしない"));
    c.scrollWait = Box(song, QStringLiteral("scrollWait"), QStringLiteral("スクロール間隔"),
                       QStringLiteral("ms"));
    c.ignoreSkinFont = Tick(song, QStringLiteral("ignoreSkinFont"),
                            QStringLiteral("スキンのフォント設定を無視する"));
    QFormLayout* window = page.Group(QStringLiteral("ウィンドウ"));
    c.volumeAnimation = Tick(window, QStringLiteral("volumeAnimation"),
                             QStringLiteral("ボリュームをアニメーションする"));
    c.volumeAnimationWait = Box(window, QStringLiteral("volumeAnimationWait"),
                                QStringLiteral("アニメーション間隔"), QStringLiteral("ms"));
    c.showInSystemTask = Tick(window, QStringLiteral("showInSystemTask"),
                              QStringLiteral("最小化したらトレイアイコンにする"));
    c.alwaysOnTop = Tick(window, QStringLiteral("alwaysOnTop"), QStringLiteral("常に手前に表示"));
    return page.Done();
}

QWidget* BuildPlaylistDisplayPage(SettingsControls& c, QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* lines = page.Group(QStringLiteral("プレイリストの行"));
    c.playListStyle =
        Box(lines, QStringLiteral("playListStyle"), QStringLiteral("表示形式 (%1～%7)"));
    c.showTrackNumber =
        Tick(lines, QStringLiteral("showTrackNumber"), QStringLiteral("トラック番号を表示する"));
    c.showTrackPlayTime =
        Tick(lines, QStringLiteral("showTrackPlayTime"), QStringLiteral("演奏時間を表示する"));
    QFormLayout* behaviour = page.Group(QStringLiteral("動作"));
    c.wheelScrollValue = Box(behaviour, QStringLiteral("wheelScrollValue"),
                             QStringLiteral("ホイールのスクロール量"), QStringLiteral("行"));
    c.getTagInterval = Box(behaviour, QStringLiteral("getTagInterval"),
                           QStringLiteral("タグ読み込み間隔"), QStringLiteral("ms"));
    return page.Done();
}

QWidget* BuildAnalyzerPage(SettingsControls& c, std::function<void()> choosePattern,
                           QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* analyzer = page.Group(QStringLiteral("アナライザー"));
    c.analyzerPattern = List(analyzer, QStringLiteral("analyzerPattern"), QStringLiteral("表示"));
    for (int style = 1; style <= 13; ++style)
        c.analyzerPattern->addItem(QStringLiteral("FFTアナライザー %1").arg(style));
    c.analyzerPattern->addItem(QStringLiteral("オシロスコープ"));
    c.analyzerPriority = Box(analyzer, QStringLiteral("analyzerPriority"),
                             QStringLiteral("更新間隔"), QStringLiteral("ms"));
    c.analyzerDisable =
        Tick(analyzer, QStringLiteral("analyzerDisable"), QStringLiteral("アナライザーを停止する"));
    c.analyzerPatternFile = PathBox(analyzer, QStringLiteral("analyzerPatternFile"),
                                    QStringLiteral("パターンファイル"), std::move(choosePattern));
    c.ignoreSkinAnalyzerPattern = Tick(analyzer, QStringLiteral("ignoreSkinAnalyzerPattern"),
                                       QStringLiteral("スキンのパターン設定を無視する"));
    QFormLayout* scope = page.Group(QStringLiteral("オシロスコープ"));
    c.oscilloscopeColor = new ColorButton(QStringLiteral("oscilloscopeColor"), page.Page());
    scope->addRow(QStringLiteral("線の色"), c.oscilloscopeColor);
    c.oscilloscopeWidth = Box(scope, QStringLiteral("oscilloscopeWidth"), QStringLiteral("描画幅"),
                              QStringLiteral("px"));
    c.ignoreSkinOscilloscope = Tick(scope, QStringLiteral("ignoreSkinOscilloscope"),
                                    QStringLiteral("スキンのオシロスコープ設定を無視する"));
    return page.Done();
}

QWidget* BuildOtherPage(SettingsControls& c, QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* other = page.Group(QStringLiteral("その他"));
    c.mpegAccurate =
        Tick(other, QStringLiteral("mpegAccurate"), QStringLiteral("MPEGファイルを正確に解析する"));
    c.trimWorkingSet = Tick(other, QStringLiteral("trimWorkingSet"),
                            QStringLiteral("使っていないメモリーをシステムに返す"));
    QFormLayout* gain = page.Group(QStringLiteral("リプレイゲイン"));
    // In the order of ReplayGainMode.
    c.replayGainMode = List(gain, QStringLiteral("replayGainMode"), QStringLiteral("音量の補正"));
    c.replayGainMode->addItems({QStringLiteral("しない"), QStringLiteral("トラックゲイン"),
                                QStringLiteral("アルバムゲイン")});
    c.replayGainPreamp = new QDoubleSpinBox(gain->parentWidget());
    c.replayGainPreamp->setObjectName(QStringLiteral("replayGainPreamp"));
    c.replayGainPreamp->setRange(-kReplayGainMaxPreampDb, kReplayGainMaxPreampDb);
    c.replayGainPreamp->setDecimals(1);
    c.replayGainPreamp->setSingleStep(0.5);
    c.replayGainPreamp->setSuffix(QStringLiteral(" dB"));
    gain->addRow(QStringLiteral("プリアンプ"), c.replayGainPreamp);
    return page.Done();
}

QWidget* BuildSkinFolderPage(SettingsControls& c, std::function<void()> chooseFolder,
                             QWidget* parent) {
    PageBuilder page(parent);
    QFormLayout* skins = page.Group(QStringLiteral("スキンブラウザー"));
    c.skinFolder = PathBox(skins, QStringLiteral("skinFolder"), QStringLiteral("スキンフォルダ"),
                           std::move(chooseFolder));
    return page.Done();
}

} // namespace vantor
