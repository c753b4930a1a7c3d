// The default skin: a slate body with two tabs on its top edge and an amber
// liquid-crystal display; the playlist window docks under it.
#include "Canvas.h"
#include "Commands.h"
#include "Controls.h"
#include "FieldToolTips.h"
#include "Glyphs.h"
#include "PlaylistWindow.h"
#include "SkinFile.h"
#include "SkinFolder.h"
#include "Skins.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace skingen {

namespace {

using namespace commands;

const Theme kEmber{.bodyTop = QColor(0x33, 0x3a, 0x50),
                   .bodyBottom = QColor(0x1a, 0x1e, 0x2a),
                   .bodyEdge = QColor(0x08, 0x0a, 0x10),
                   .bodyHighlight = QColor(0x55, 0x5f, 0x7e),
                   .buttonTop = QColor(0x42, 0x4b, 0x66),
                   .buttonBottom = QColor(0x2a, 0x30, 0x43),
                   .buttonEdge = QColor(0x0c, 0x0e, 0x16),
                   .buttonIcon = QColor(0xd4, 0xda, 0xe8),
                   .pressedTop = QColor(0x15, 0x18, 0x22),
                   .pressedBottom = QColor(0x24, 0x29, 0x38),
                   .pressedIcon = QColor(0xff, 0xb3, 0x47),
                   .lcdBack = QColor(0x17, 0x11, 0x0a),
                   .lcdEdge = QColor(0x05, 0x05, 0x08),
                   .lcdText = QColor(0xff, 0xb3, 0x47),
                   .lcdDim = QColor(0x3e, 0x2c, 0x16),
                   .accent = QColor(0xff, 0xa6, 0x2b),
                   .label = QColor(0x96, 0xa0, 0xbc),
                   .labelFont = QStringLiteral("DejaVu Sans")};

constexpr int kWidth = 440;
constexpr int kHeight = 172;

// Main window layout, in window pixels.
constexpr QRect kDisplay(14, 32, 262, 76);
constexpr QRect kTime(22, 38, 130, 18);
constexpr QRect kStereo(166, 41, 52, 13);
constexpr QRect kMono(222, 41, 46, 13);
constexpr QRect kFormat(22, 62, 246, 10);
constexpr QRect kKbps(22, 74, 78, 10);
constexpr QRect kKhz(106, 74, 36, 10);
constexpr QRect kMode(148, 74, 72, 10);
constexpr QRect kSongInfo(22, 88, 246, 16);
constexpr QRect kSpectrumPanel(286, 32, 140, 50);
constexpr QRect kSpectrum(290, 36, 132, 42);
constexpr QRect kVolume(312, 86, 76, 20);
constexpr QRect kVolumeValue(398, 91, 24, 10);
constexpr QRect kSeek(14, 116, 412, 12);
constexpr QRect kPan(324, 134, 62, 12);
constexpr QRect kPanValue(395, 135, 24, 10);
constexpr QRect kPitch(324, 150, 62, 12);
constexpr QRect kPitchValue(395, 151, 24, 10);
constexpr QSize kSeekKnob(20, 12);
constexpr QSize kSmallKnob(10, 12);

struct Placed {
    Command command;
    QRect rect;
};

const std::array kButtons{
    Placed{kMinimize, QRect(362, 5, 24, 16)},    Placed{kClose, QRect(392, 5, 24, 16)},
    Placed{kChangeSkin, QRect(238, 13, 24, 14)}, Placed{kAbout, QRect(266, 13, 24, 14)},
    Placed{kConfig, QRect(294, 13, 24, 14)},     Placed{kPlayList, QRect(322, 13, 24, 14)},
    Placed{kPrevious, QRect(14, 136, 26, 22)},   Placed{kPlay, QRect(42, 136, 26, 22)},
    Placed{kPause, QRect(70, 136, 26, 22)},      Placed{kStop, QRect(98, 136, 26, 22)},
    Placed{kNext, QRect(126, 136, 26, 22)},      Placed{kOpen, QRect(154, 136, 26, 22)}};

const std::array kToggles{Placed{kLoop, QRect(192, 139, 30, 16)},
                          Placed{kRandom, QRect(226, 139, 30, 16)},
                          Placed{kMix, QRect(260, 139, 30, 16)}};

const QString kChangeSkinTip = QStringLiteral("スキン切り替え[\\n]Switch to the Showcase skin 0");

QPainterPath MainOutline() {
    QPainterPath outline = RoundedRectPath(QRectF(0, 10, kWidth, kHeight - 10), 16);
    outline = outline.united(RoundedRectPath(QRectF(20, 0, 130, 30), 8));
    outline = outline.united(RoundedRectPath(QRectF(356, 0, 68, 30), 8));
    return outline.simplified();
}

// The volume field is a ramp of bars; the pressed face holds it lit, and the
// player uncovers as much of it as the volume reaches.
void DrawVolumeRamp(QPainter& painter, Press press) {
    const int bars = kVolume.width() / 4;
    QLinearGradient hot(kVolume.topLeft(), kVolume.topRight());
    hot.setColorAt(0, kEmber.accent.darker(130));
    hot.setColorAt(0.7, kEmber.accent);
    hot.setColorAt(1, QColor(0xff, 0x5a, 0x1f));
    for (int i = 0; i < bars; ++i) {
        const int height = 4 + (kVolume.height() - 4) * i / (bars - 1);
        const QRect bar(kVolume.left() + i * 4, kVolume.bottom() + 1 - height, 3, height);
        if (press == Press::Down)
            painter.fillRect(bar, hot);
        else
            painter.fillRect(bar, kEmber.lcdDim.lighter(115));
    }
}

void DrawValueWindow(QPainter& painter, const QRect& field) {
    DrawDisplay(painter, field.adjusted(-3, -3, 3, 3), kEmber);
}

void DrawSpectrumGrid(QPainter& painter) {
    DrawDisplay(painter, kSpectrumPanel, kEmber);
    painter.setPen(kEmber.lcdBack.lighter(160));
    for (int y = kSpectrum.bottom(); y > kSpectrum.top(); y -= 6)
        painter.drawLine(kSpectrum.left(), y, kSpectrum.right(), y);
}

void DrawBars(QPainter& painter) {
    DrawGroove(painter, kSeek, kEmber);
    DrawGroove(painter, kPan, kEmber);
    DrawGroove(painter, kPitch, kEmber);
    painter.setPen(kEmber.label);
    const int panMiddle = kPan.left() + kPan.width() / 2;
    painter.drawLine(panMiddle, kPan.top() - 1, panMiddle, kPan.top() + 1);
    const int pitchOne =
        kPitch.left() + kSmallKnob.width() / 2 + (kPitch.width() - kSmallKnob.width()) / 3;
    painter.drawLine(pitchOne, kPitch.top() - 1, pitchOne, kPitch.top() + 1);
    DrawLabel(painter, QRect(286, 86, 26, 20), QStringLiteral("VOL"), kEmber, 8);
    DrawLabel(painter, QRect(294, 134, 30, 12), QStringLiteral("BAL"), kEmber, 8);
    DrawLabel(painter, QRect(294, 150, 30, 12), QStringLiteral("PIT"), kEmber, 8);
}

QImage DrawMainFace(Press press) {
    QImage face = NewCanvas(kWidth, kHeight);
    QPainter painter(&face);
    const QPainterPath outline = MainOutline();
    DrawBody(painter, outline, kEmber);
    Theme title = kEmber;
    title.label = kEmber.accent;
    DrawLabel(painter, QRect(30, 2, 112, 18), QStringLiteral("VANTOR"), title, 12);
    DrawDisplay(painter, kDisplay, kEmber);
    DrawLamp(painter, kStereo, QStringLiteral("STEREO"), kEmber, press);
    DrawLamp(painter, kMono, QStringLiteral("MONO"), kEmber, press);
    DrawSpectrumGrid(painter);
    DrawVolumeRamp(painter, press);
    DrawValueWindow(painter, kVolumeValue);
    DrawValueWindow(painter, kPanValue);
    DrawValueWindow(painter, kPitchValue);
    DrawBars(painter);
    for (const auto& placed : kButtons)
        DrawButton(painter, placed.rect, placed.command.icon, kEmber, press);
    for (const auto& placed : kToggles)
        DrawToggle(painter, placed.rect, placed.command.icon, kEmber, press);
    painter.end();
    CutOutline(face, outline);
    return face;
}

QImage DrawSeekKnob(QSize size, Press press) {
    QImage knob = NewCanvas(size.width(), size.height(), kEmber.buttonEdge);
    QPainter painter(&knob);
    DrawSliderKnob(painter, QRect(QPoint(0, 0), size), kEmber, press);
    painter.end();
    CutOutline(knob, RoundedRectPath(QRectF(QPointF(0, 0), size), 3));
    return knob;
}

// Bars are painted from the top (hot) down to the bottom (deep amber).
QImage DrawSpectrumPattern() {
    QImage pattern(3, kSpectrum.height(), QImage::Format_RGB32);
    QPainter painter(&pattern);
    QLinearGradient fire(0, 0, 0, kSpectrum.height());
    fire.setColorAt(0, QColor(0xff, 0x4a, 0x1c));
    fire.setColorAt(0.35, QColor(0xff, 0xb3, 0x47));
    fire.setColorAt(1, QColor(0x8a, 0x4a, 0x10));
    painter.fillRect(pattern.rect(), fire);
    return pattern;
}

const TextLook kDisplayFont{.kind = QStringLiteral("BMP"), .colour = kEmber.lcdText};

void WritePictures(SkinFolder& folder) {
    const QImage face = DrawMainFace(Press::Up);
    folder.Bmp(QStringLiteral("Main.bmp"), face);
    folder.Bmp(QStringLiteral("MainPressed.bmp"), DrawMainFace(Press::Down));
    folder.Bmp(QStringLiteral("MainInactive.bmp"), Dimmed(face));
    folder.Bmp(QStringLiteral("SeekKnob.bmp"), DrawSeekKnob(kSeekKnob, Press::Up));
    folder.Bmp(QStringLiteral("SeekKnobPressed.bmp"), DrawSeekKnob(kSeekKnob, Press::Down));
    folder.Bmp(QStringLiteral("SmallKnob.bmp"), DrawSeekKnob(kSmallKnob, Press::Up));
    folder.Bmp(QStringLiteral("SmallKnobPressed.bmp"), DrawSeekKnob(kSmallKnob, Press::Down));
    folder.Bmp(QStringLiteral("Analyzer.bmp"), DrawSpectrumPattern());
    folder.Bmp(QStringLiteral("TimeFont.bmp"), TimeFontStrip({.cellWidth = 10,
                                                              .cellHeight = 18,
                                                              .lit = kEmber.lcdText,
                                                              .unlit = QColor(0x36, 0x27, 0x13),
                                                              .back = kEmber.lcdBack}));
    folder.Bmp(QStringLiteral("Font.bmp"), FontSheet({.cellWidth = 6,
                                                      .cellHeight = 10,
                                                      .family = QStringLiteral("DejaVu Sans Mono"),
                                                      .pixelSize = 10,
                                                      .ink = kEmber.lcdText,
                                                      .back = kEmber.lcdBack}));
}

void WriteHeader(SkinFile& file) {
    file.Comment(
        QStringLiteral("Vantor default skin. Generated by tools/skin-generator; edit the"));
    file.Comment(QStringLiteral("generator and run it again rather than editing this file."));
    file.Statement(QStringLiteral("SkinName"), QStringLiteral("Vantor Default"));
    file.Statement(QStringLiteral("About"), QStringLiteral("Vantor Default"));
    file.Statement(QStringLiteral("About"), QStringLiteral("Slate body, amber display."));
    file.Statement(QStringLiteral("About"), QStringLiteral("Drawn by tools/skin-generator."));
    file.Blank();
    file.Statement(QStringLiteral("MainBitmap"), QStringLiteral("Main.bmp"));
    file.Statement(QStringLiteral("MainBitmapPressed"), QStringLiteral("MainPressed.bmp"));
    file.Statement(QStringLiteral("MainBitmapInactive"), QStringLiteral("MainInactive.bmp"));
    file.Blank();
}

void WriteTexts(SkinFile& file) {
    file.Comment(
        QStringLiteral("Time in the seven-segment strip; other fields in the glyph sheet"));
    file.Statement(QStringLiteral("TimeFontBitmap"), QStringLiteral("TimeFont.bmp"));
    file.Pair(QStringLiteral("TimeFontBitmapSize"), 10, 18);
    file.Number(QStringLiteral("TimeFontTransparent"), 0);
    file.Statement(QStringLiteral("FontBitmap"), QStringLiteral("Font.bmp"));
    file.Pair(QStringLiteral("FontSize"), 6, 10);
    file.Number(QStringLiteral("FontTransparent"), 0);
    file.Rect(QStringLiteral("TimeField"), kTime);
    file.Statement(QStringLiteral("TimeFontType"), QStringLiteral("BMP"));
    const std::array fields{std::pair{QStringLiteral("SongFormat"), kFormat},
                            std::pair{QStringLiteral("SongKbps"), kKbps},
                            std::pair{QStringLiteral("SongKhz"), kKhz},
                            std::pair{QStringLiteral("SongMode"), kMode},
                            std::pair{QStringLiteral("VolumeVal"), kVolumeValue},
                            std::pair{QStringLiteral("PanVal"), kPanValue},
                            std::pair{QStringLiteral("PitchVal"), kPitchValue}};
    for (const auto& [prefix, rect] : fields) {
        file.Rect(prefix + QStringLiteral("Field"), rect);
        file.Font(prefix, kDisplayFont);
    }
    file.Blank();
    file.Comment(QStringLiteral("Song information"));
    file.Rect(QStringLiteral("SongInfoField"), kSongInfo,
              QStringLiteral("曲情報[\\n]Song information"));
    file.Statement(QStringLiteral("SongInformationFontName"), QStringLiteral("IPAPGothic"));
    file.Number(QStringLiteral("SongInformationFontSize"), 9);
    file.Colour(QStringLiteral("SongInformationFontColor"), QColor(0xff, 0xd9, 0xa0));
    file.Number(QStringLiteral("SongInformationFontBold"), 0);
    file.Number(QStringLiteral("SongInformationFontItalic"), 0);
    file.Number(QStringLiteral("SongInformationFontShadow"), 1);
    file.Colour(QStringLiteral("SongInformationFontShadowColor"), QColor(0x4a, 0x30, 0x12));
    file.Blank();
}

void WriteBarsAndVisuals(SkinFile& file) {
    file.Comment(
        QStringLiteral("Volume ramp (pressed face uncovered), seek, balance and pitch sliders"));
    file.Rect(QStringLiteral("VolumeField"), kVolume, QStringLiteral("音量[\\n]Volume"));
    file.Statement(QStringLiteral("VolumeControlType"), QStringLiteral("NORMAL"));
    file.Rect(QStringLiteral("SeekBarField"), kSeek, QStringLiteral("再生位置[\\n]Seek"));
    file.Statement(QStringLiteral("SeekType"), QStringLiteral("BAR"));
    file.Statement(QStringLiteral("SeekBitmap"), QStringLiteral("SeekKnob.bmp"));
    file.Statement(QStringLiteral("SeekBitmapPressed"), QStringLiteral("SeekKnobPressed.bmp"));
    const std::array sliders{
        std::tuple{QStringLiteral("Pan"), kPan, QStringLiteral("左右バランス[\\n]Balance")},
        std::tuple{QStringLiteral("Pitch"), kPitch, QStringLiteral("ピッチ[\\n]Pitch")}};
    for (const auto& [name, rect, tip] : sliders) {
        file.Rect(name + QStringLiteral("BarField"), rect, tip);
        file.Statement(name + QStringLiteral("Type"), QStringLiteral("BAR"));
        file.Statement(name + QStringLiteral("Bitmap"), QStringLiteral("SmallKnob.bmp"));
        file.Statement(name + QStringLiteral("BitmapPressed"),
                       QStringLiteral("SmallKnobPressed.bmp"));
        file.Pair(name + QStringLiteral("ImageSize"), kSmallKnob.width(), kSmallKnob.height());
        file.Number(name + QStringLiteral("AutoReset"), 1);
    }
    file.Blank();
    file.Comment(QStringLiteral("Analyzer"));
    file.Rect(QStringLiteral("SpectrumField"), kSpectrum,
              QStringLiteral("スペクトラムアナライザー[\\n]Spectrum analyzer"));
    file.Statement(QStringLiteral("SpectrumPattern"), QStringLiteral("Analyzer.bmp"));
    file.Number(QStringLiteral("SpectrumPatternType"), 0);
    file.Colour(QStringLiteral("SpectrumPeakColor"), QColor(0xff, 0xf0, 0xd0));
    file.Colour(QStringLiteral("OscilloScopeColor"), kEmber.lcdText);
    file.Number(QStringLiteral("OscilloScopeWidth"), 1);
    file.Blank();
}

void WriteButtonsAndPlaces(SkinFile& file) {
    file.Comment(QStringLiteral("Buttons"));
    for (const auto& placed : kButtons) {
        const bool changesSkin = placed.command.icon == Icon::ChangeSkin;
        file.Rect(MainKeyword(placed.command), placed.rect,
                  changesSkin ? kChangeSkinTip : ToolTip(placed.command));
    }
    for (const auto& placed : kToggles)
        file.Rect(MainKeyword(placed.command), placed.rect, ToolTip(placed.command));
    file.Statement(QStringLiteral("SetTargetDVK"), QStringLiteral("../Showcase/Showcase.dvk"));
    file.Blank();
    file.Comment(QStringLiteral("Channel lamps and other tooltips"));
    WriteFieldToolTips(
        file, {kTime, kFormat.united(kMode), kStereo, kMono, kVolumeValue, kPanValue, kPitchValue});
    file.Rect(QStringLiteral("CustomToolTips"), QRect(20, 0, 130, 22),
              QStringLiteral("Vantor[\\n]ドラッグで移動 / Drag to move"));
    file.Blank();
    file.Comment(QStringLiteral("The playlist docks under the main window, or at its right"));
    file.Pair(QStringLiteral("PlayListLinkXY"), 0, kHeight);
    file.Pair(QStringLiteral("PlayListLinkXY"), kWidth, 0);
}

PlaylistLook DefaultPlaylist() {
    PlaylistLook look;
    look.theme = kEmber;
    look.width = kWidth;
    look.height = 268;
    look.outline = RoundedRectPath(QRectF(0, 0, look.width, look.height), 16);
    look.picturePrefix = QStringLiteral("PL");
    look.pictureExtension = QStringLiteral("bmp");
    look.listFont = QStringLiteral("IPAPGothic");
    look.listFontSize = 10;
    look.listText = QColor(0xe6, 0xdc, 0xcb);
    look.selection = kEmber.accent;
    look.selectionText = QColor(0xff, 0xff, 0xff);
    look.current = QColor(0xff, 0xb3, 0x47);
    look.selectionAlpha = 96;
    look.fieldLook = {
        .fontName = QStringLiteral("DejaVu Sans"), .fontSize = 8, .colour = kEmber.lcdText};
    look.changeSkinToolTip = kChangeSkinTip;
    return look;
}

} // namespace

QString WriteDefaultSkin(const QString& skinRoot) {
    SkinFolder folder(skinRoot + QStringLiteral("/Default"));
    WritePictures(folder);
    SkinFile main;
    WriteHeader(main);
    WriteTexts(main);
    WriteBarsAndVisuals(main);
    WriteButtonsAndPlaces(main);
    folder.Text(QStringLiteral("Default.dvk"), main);

    SkinFile playlist;
    playlist.Comment(
        QStringLiteral("Vantor default playlist skin. Generated by tools/skin-generator."));
    playlist.Statement(QStringLiteral("PlayListSetTargetDVK"),
                       QStringLiteral("../Showcase/Showcase.dvk"));
    WritePlaylistWindow(DefaultPlaylist(), folder, playlist);
    folder.Text(QStringLiteral("PL.txt"), playlist);
    return folder.Error();
}

} // namespace skingen
