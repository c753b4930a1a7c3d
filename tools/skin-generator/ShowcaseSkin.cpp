// The showcase skin: a violet dial with a ring of round buttons beside a
// glass panel. It uses what the default skin leaves out: PNG pictures,
// frame-strip dials with position maps, a curved seek band filled through
// its map, a vertical slider, glyph strips keyed on black, a shared include
// file, a dock position and a full-width analyzer pattern.
#include "Canvas.h"
#include "Commands.h"
#include "Controls.h"
#include "FieldToolTips.h"
#include "Glyphs.h"
#include "PlaylistWindow.h"
#include "ShowcaseDial.h"
#include "SkinFile.h"
#include "SkinFolder.h"
#include "Skins.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace skingen {

namespace {

using namespace commands;

const Theme kPrism{.bodyTop = QColor(0x2c, 0x20, 0x4e),
                   .bodyBottom = QColor(0x11, 0x0b, 0x22),
                   .bodyEdge = QColor(0x04, 0x02, 0x0c),
                   .bodyHighlight = QColor(0x5e, 0x4d, 0x96),
                   .buttonTop = QColor(0x42, 0x33, 0x74),
                   .buttonBottom = QColor(0x23, 0x19, 0x45),
                   .buttonEdge = QColor(0x08, 0x05, 0x16),
                   .buttonIcon = QColor(0xe0, 0xda, 0xff),
                   .pressedTop = QColor(0x0e, 0x09, 0x20),
                   .pressedBottom = QColor(0x1c, 0x14, 0x3e),
                   .pressedIcon = QColor(0x5e, 0xf2, 0xe0),
                   .lcdBack = QColor(0x07, 0x0a, 0x16),
                   .lcdEdge = QColor(0x02, 0x02, 0x08),
                   .lcdText = QColor(0x5e, 0xf2, 0xe0),
                   .lcdDim = QColor(0x1d, 0x3a, 0x4a),
                   .accent = QColor(0x4c, 0xe8, 0xf0),
                   .label = QColor(0xae, 0xa2, 0xe6),
                   .labelFont = QStringLiteral("DejaVu Sans")};

constexpr int kWidth = 380;
constexpr int kHeight = 210;
constexpr QPointF kDiscCentre(105, 105);
constexpr double kDiscRadius = 103;
constexpr double kButtonRing = 91;
constexpr int kButtonSize = 18;

const Dial kVolumeDial{.field = QRect(45, 45, 120, 120),
                       .knobRadius = 34,
                       .ringInner = 42,
                       .ringOuter = 56,
                       .frames = 31};
const Dial kPanDial{.field = QRect(304, 120, 36, 36),
                    .knobRadius = 9,
                    .ringInner = 11,
                    .ringOuter = 16,
                    .frames = 13};

constexpr QRect kDisplay(176, 48, 190, 68);
constexpr QRect kTime(182, 52, 130, 18);
constexpr QRect kStereo(318, 54, 20, 12);
constexpr QRect kMono(340, 54, 20, 12);
constexpr QRect kFormat(182, 73, 112, 12);
constexpr QRect kKbps(296, 73, 66, 12);
constexpr QRect kKhz(182, 85, 40, 12);
constexpr QRect kMode(224, 85, 80, 12);
constexpr QRect kSongInfo(182, 99, 178, 14);
constexpr QRect kSpectrum(176, 122, 120, 32);
constexpr QRect kSeek(176, 158, 120, 24);
constexpr QRect kPitch(350, 116, 12, 50);
constexpr QSize kPitchKnob(12, 8);
constexpr QRect kVolumeValue(90, 168, 30, 10);
constexpr QRect kPanValue(304, 158, 36, 10);
constexpr QRect kPitchValue(342, 170, 24, 10);

struct Placed {
    Command command;
    QRect rect;
};

const QString kChangeSkinTip = QStringLiteral("スキン切り替え[\\n]Back to the default skin 0");

// Round buttons ride the rim of the dial, from the top round to the bottom.
std::vector<Placed> RimButtons() {
    const std::array ring{kPlayList, kConfig, kAbout, kChangeSkin, kPrevious, kPlay, kPause,
                          kStop,     kNext,   kOpen,  kLoop,       kRandom,   kMix};
    std::vector<Placed> placed;
    const double step = 165.0 / (ring.size() - 1);
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const double angle = (97.5 + step * static_cast<double>(i)) * std::numbers::pi / 180;
        const QPointF centre =
            kDiscCentre + QPointF(std::cos(angle), -std::sin(angle)) * kButtonRing;
        const QPoint corner(static_cast<int>(std::lround(centre.x())) - kButtonSize / 2,
                            static_cast<int>(std::lround(centre.y())) - kButtonSize / 2);
        placed.push_back({ring[i], QRect(corner, QSize(kButtonSize, kButtonSize))});
    }
    placed.push_back({kMinimize, QRect(318, 28, 20, 16)});
    placed.push_back({kClose, QRect(342, 28, 20, 16)});
    return placed;
}

QPainterPath MainOutline() {
    QPainterPath outline;
    outline.addEllipse(kDiscCentre, kDiscRadius, kDiscRadius);
    return outline.united(RoundedRectPath(QRectF(95, 22, 281, 166), 22)).simplified();
}

void DrawGlassDisplay(QPainter& painter) {
    DrawDisplay(painter, kDisplay, kPrism);
    // A sheen behind the glyphs: the time and value strips are keyed on black,
    // so it shows through them.
    QLinearGradient sheen(kDisplay.topLeft(), kDisplay.bottomRight());
    sheen.setColorAt(0, QColor(0x14, 0x12, 0x34));
    sheen.setColorAt(1, QColor(0x06, 0x1c, 0x26));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRoundedRect(QRectF(kDisplay).adjusted(2, 2, -2, -2), 4, 4);
    painter.restore();
}

void DrawSeekBand(QPainter& painter, Press press) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath band = SeekBand(kSeek);
    if (press == Press::Down) {
        QLinearGradient glow(kSeek.topLeft(), kSeek.topRight());
        glow.setColorAt(0, QColor(0x9b, 0x5c, 0xff));
        glow.setColorAt(1, kPrism.accent);
        painter.fillPath(band, glow);
    } else {
        painter.fillPath(band, kPrism.lcdBack);
        painter.setPen(QPen(kPrism.lcdDim, 1));
        painter.drawPath(band);
    }
    painter.restore();
}

void DrawPitchSlot(QPainter& painter) {
    DrawGroove(painter, kPitch, kPrism);
    painter.setPen(kPrism.label);
    const int one =
        kPitch.bottom() - kPitchKnob.height() / 2 - (kPitch.height() - kPitchKnob.height()) / 3;
    painter.drawLine(kPitch.left() - 3, one, kPitch.left() - 1, one);
}

// The face without the dials' knobs, which the frame strips are cut from.
QImage DrawBase(Press press) {
    QImage face = NewCanvas(kWidth, kHeight);
    QPainter painter(&face);
    const QPainterPath outline = MainOutline();
    DrawBody(painter, outline, kPrism);
    Theme title = kPrism;
    title.label = kPrism.accent;
    DrawLabel(painter, QRect(182, 28, 120, 16), QStringLiteral("VANTOR PRISM"), title, 10);
    DrawGlassDisplay(painter);
    DrawLamp(painter, kStereo, QStringLiteral("ST"), kPrism, press);
    DrawLamp(painter, kMono, QStringLiteral("MO"), kPrism, press);
    DrawDisplay(painter, kSpectrum.adjusted(-2, -2, 2, 2), kPrism);
    DrawSeekBand(painter, press);
    DrawPitchSlot(painter);
    for (const auto& placed : RimButtons())
        DrawButton(painter, placed.rect, placed.command.icon, kPrism, press,
                   placed.rect.width() == placed.rect.height() ? ButtonShape::Round
                                                               : ButtonShape::Rounded);
    painter.end();
    CutOutline(face, outline);
    return face;
}

QImage WithDials(QImage face) {
    QPainter painter(&face);
    DrawDialOnFace(painter, kVolumeDial, kPrism);
    DrawDialOnFace(painter, kPanDial, kPrism);
    return face;
}

QImage DrawPitchKnob(Press press) {
    QImage knob = NewCanvas(kPitchKnob.width(), kPitchKnob.height(), kPrism.buttonEdge);
    QPainter painter(&knob);
    DrawSliderKnob(painter, QRect(QPoint(0, 0), kPitchKnob), kPrism, press);
    painter.end();
    CutOutline(knob, RoundedRectPath(QRectF(QPointF(0, 0), kPitchKnob), 2));
    return knob;
}

// Column i of the analyzer takes its colours from column i of this picture:
// violet on the left turning cyan on the right, brightest at the top.
QImage DrawSpectrumPattern() {
    QImage pattern(kSpectrum.width(), kSpectrum.height(), QImage::Format_RGB32);
    for (int y = 0; y < pattern.height(); ++y) {
        const double light = 1.0 - 0.55 * y / (pattern.height() - 1);
        for (int x = 0; x < pattern.width(); ++x) {
            const double t = static_cast<double>(x) / (pattern.width() - 1);
            const QColor hue = QColor::fromHsvF(0.75 - 0.27 * t, 0.75, light);
            pattern.setPixel(x, y, hue.rgb());
        }
    }
    return pattern;
}

void WritePictures(SkinFolder& folder) {
    const QImage base = DrawBase(Press::Up);
    const QImage face = WithDials(base);
    folder.Png(QStringLiteral("Main.png"), face);
    folder.Png(QStringLiteral("MainPressed.png"), WithDials(DrawBase(Press::Down)));
    folder.Png(QStringLiteral("MainInactive.png"), Dimmed(face));
    folder.Png(QStringLiteral("VolumeDial.png"), DialFrames(base, kVolumeDial, kPrism));
    folder.Png(QStringLiteral("VolumeMap.png"), DialPositionMap(kVolumeDial));
    folder.Png(QStringLiteral("PanDial.png"), DialFrames(base, kPanDial, kPrism));
    folder.Png(QStringLiteral("PanMap.png"), DialPositionMap(kPanDial));
    folder.Png(QStringLiteral("SeekMap.png"), SeekBandMap(kSeek));
    folder.Png(QStringLiteral("PitchKnob.png"), DrawPitchKnob(Press::Up));
    folder.Png(QStringLiteral("PitchKnobPressed.png"), DrawPitchKnob(Press::Down));
    folder.Png(QStringLiteral("Analyzer.png"), DrawSpectrumPattern());
    folder.IndexedPng(QStringLiteral("TimeFont.png"),
                      TimeFontStrip({.cellWidth = 10,
                                     .cellHeight = 18,
                                     .lit = kPrism.lcdText,
                                     .unlit = QColor(0x10, 0x2a, 0x36),
                                     .back = Qt::black}));
    folder.IndexedPng(QStringLiteral("Font.png"),
                      FontSheet({.cellWidth = 6,
                                 .cellHeight = 10,
                                 .family = QStringLiteral("DejaVu Sans Mono"),
                                 .pixelSize = 10,
                                 .bold = true,
                                 .ink = kPrism.lcdText,
                                 .back = Qt::black,
                                 .smooth = false}));
}

// Shared by the main and playlist parts: names, glyph strips, targets.
SkinFile CommonFile() {
    SkinFile file;
    file.Comment(QStringLiteral("Shared part of the showcase skin, included by Showcase.dvk."));
    file.Statement(QStringLiteral("SkinName"), QStringLiteral("Vantor Showcase"));
    file.Statement(QStringLiteral("About"), QStringLiteral("Vantor Showcase"));
    file.Statement(QStringLiteral("About"),
                   QStringLiteral("PNG faces, frame-strip dials, a curved seek band."));
    file.Statement(QStringLiteral("About"), QStringLiteral("Drawn by tools/skin-generator."));
    file.Statement(QStringLiteral("SetTargetDVK"), QStringLiteral("../Default/Default.dvk"));
    file.Statement(QStringLiteral("PlayListSetTargetDVK"),
                   QStringLiteral("../Default/Default.dvk"));
    file.Blank();
    file.Comment(QStringLiteral("Glyph strips on black; black is see-through"));
    file.Statement(QStringLiteral("TimeFontBitmap"), QStringLiteral("TimeFont.png"));
    file.Pair(QStringLiteral("TimeFontBitmapSize"), 10, 18);
    file.Number(QStringLiteral("TimeFontTransparent"), 1);
    file.Statement(QStringLiteral("FontBitmap"), QStringLiteral("Font.png"));
    file.Pair(QStringLiteral("FontSize"), 6, 10);
    file.Number(QStringLiteral("FontTransparent"), 1);
    return file;
}

void WriteFaceAndTexts(SkinFile& file) {
    file.Statement(QStringLiteral("MainBitmap"), QStringLiteral("Main.png"));
    file.Statement(QStringLiteral("MainBitmapPressed"), QStringLiteral("MainPressed.png"));
    file.Statement(QStringLiteral("MainBitmapInactive"), QStringLiteral("MainInactive.png"));
    file.Blank();
    file.Rect(QStringLiteral("TimeField"), kTime);
    file.Statement(QStringLiteral("TimeFontType"), QStringLiteral("BMP"));
    const TextLook small{.fontName = QStringLiteral("DejaVu Sans"),
                         .fontSize = 7,
                         .colour = QColor(0xc8, 0xf8, 0xff),
                         .shadow = Qt::black};
    const TextLook glyphs{.kind = QStringLiteral("BMP"), .colour = kPrism.lcdText};
    const std::array fields{std::tuple{QStringLiteral("SongFormat"), kFormat, small},
                            std::tuple{QStringLiteral("SongKbps"), kKbps, small},
                            std::tuple{QStringLiteral("SongKhz"), kKhz, small},
                            std::tuple{QStringLiteral("SongMode"), kMode, small},
                            std::tuple{QStringLiteral("VolumeVal"), kVolumeValue, glyphs},
                            std::tuple{QStringLiteral("PanVal"), kPanValue, glyphs},
                            std::tuple{QStringLiteral("PitchVal"), kPitchValue, glyphs}};
    for (const auto& [prefix, rect, look] : fields) {
        file.Rect(prefix + QStringLiteral("Field"), rect);
        file.Font(prefix, look);
    }
    file.Rect(QStringLiteral("SongInfoField"), kSongInfo,
              QStringLiteral("曲情報[\\n]Song information"));
    file.Statement(QStringLiteral("SongInformationFontName"), QStringLiteral("DejaVu Sans"));
    file.Number(QStringLiteral("SongInformationFontSize"), 8);
    file.Colour(QStringLiteral("SongInformationFontColor"), QColor(0xe8, 0xf8, 0xff));
    file.Number(QStringLiteral("SongInformationFontBold"), 1);
    file.Number(QStringLiteral("SongInformationFontItalic"), 0);
    file.Number(QStringLiteral("SongInformationFontShadow"), 1);
    file.Colour(QStringLiteral("SongInformationFontShadowColor"), QColor(0x3a, 0x1f, 0x7a));
    file.Blank();
}

void WriteDial(SkinFile& file, const QString& name, const QString& field, const QString& type,
               const Dial& dial, const QString& toolTip) {
    file.Rect(name + field, dial.field, toolTip);
    file.Statement(name + type, QStringLiteral("ADVANCE"));
    file.Statement(name + QStringLiteral("Bitmap"), name + QStringLiteral("Dial.png"));
    file.Pair(name + QStringLiteral("ImageSize"), dial.field.width(), dial.field.height());
}

void WriteBars(SkinFile& file) {
    file.Comment(
        QStringLiteral("Dials: frame strips chosen through grey-level maps of their rings"));
    WriteDial(file, QStringLiteral("Volume"), QStringLiteral("Field"),
              QStringLiteral("ControlType"), kVolumeDial,
              QStringLiteral("音量: リングをドラッグ[\\n]Volume: drag round the ring"));
    file.Statement(QStringLiteral("VolumeControlPositionImage"), QStringLiteral("VolumeMap.png"));
    WriteDial(file, QStringLiteral("Pan"), QStringLiteral("BarField"), QStringLiteral("Type"),
              kPanDial, QStringLiteral("左右バランス[\\n]Balance"));
    file.Statement(QStringLiteral("PanPositionImage"), QStringLiteral("PanMap.png"));
    file.Number(QStringLiteral("PanAutoReset"), 1);
    file.Blank();
    file.Comment(QStringLiteral(
        "Seek band: the map's grey levels say how far each pixel is into the track"));
    file.Rect(QStringLiteral("SeekBarField"), kSeek, QStringLiteral("再生位置[\\n]Seek"));
    file.Statement(QStringLiteral("SeekType"), QStringLiteral("ADVANCE"));
    file.Statement(QStringLiteral("SeekImage"), QStringLiteral("SeekMap.png"));
    file.Blank();
    file.Comment(QStringLiteral("Pitch: a vertical slider"));
    file.Rect(QStringLiteral("PitchBarField"), kPitch, QStringLiteral("ピッチ[\\n]Pitch"));
    file.Statement(QStringLiteral("PitchType"), QStringLiteral("BAR"));
    file.Statement(QStringLiteral("PitchBarDirection"), QStringLiteral("VERTICAL"));
    file.Statement(QStringLiteral("PitchBitmap"), QStringLiteral("PitchKnob.png"));
    file.Statement(QStringLiteral("PitchBitmapPressed"), QStringLiteral("PitchKnobPressed.png"));
    file.Pair(QStringLiteral("PitchImageSize"), kPitchKnob.width(), kPitchKnob.height());
    file.Number(QStringLiteral("PitchAutoReset"), 1);
    file.Blank();
    file.Comment(QStringLiteral("Analyzer with a pattern as wide as the field"));
    file.Rect(QStringLiteral("SpectrumField"), kSpectrum,
              QStringLiteral("スペクトラムアナライザー[\\n]Spectrum analyzer"));
    file.Statement(QStringLiteral("SpectrumPattern"), QStringLiteral("Analyzer.png"));
    file.Number(QStringLiteral("SpectrumPatternType"), 1);
    file.Colour(QStringLiteral("SpectrumPeakColor"), QColor(0xf4, 0xe8, 0xff));
    file.Colour(QStringLiteral("OscilloScopeColor"), kPrism.accent);
    file.Number(QStringLiteral("OscilloScopeWidth"), 2);
    file.Blank();
}

void WriteButtonsAndPlaces(SkinFile& file) {
    file.Comment(QStringLiteral("Buttons round the dial"));
    for (const auto& placed : RimButtons()) {
        const bool changesSkin = placed.command.icon == Icon::ChangeSkin;
        file.Rect(MainKeyword(placed.command), placed.rect,
                  changesSkin ? kChangeSkinTip : ToolTip(placed.command));
    }
    file.Blank();
    WriteFieldToolTips(
        file, {kTime, kFormat.united(kMode), kStereo, kMono, kVolumeValue, kPanValue, kPitchValue});
    file.Blank();
    file.Comment(QStringLiteral("The window rides the bottom right corner of the active window"));
    file.Number(QStringLiteral("DockPosition"), 3);
    file.Pair(QStringLiteral("DockPositionXY"), -(kWidth + 10), -(kHeight + 10));
    file.Pair(QStringLiteral("PlayListLinkXY"), 0, kHeight);
    file.Pair(QStringLiteral("PlayListLinkXY"), kWidth, 0);
    file.Blank();
}

QPainterPath Chamfered(const QRectF& box, double cut) {
    QPainterPath path;
    path.moveTo(box.left() + cut, box.top());
    path.lineTo(box.right() - cut, box.top());
    path.lineTo(box.right(), box.top() + cut);
    path.lineTo(box.right(), box.bottom() - cut);
    path.lineTo(box.right() - cut, box.bottom());
    path.lineTo(box.left() + cut, box.bottom());
    path.lineTo(box.left(), box.bottom() - cut);
    path.lineTo(box.left(), box.top() + cut);
    path.closeSubpath();
    return path;
}

PlaylistLook ShowcasePlaylist() {
    PlaylistLook look;
    look.theme = kPrism;
    look.width = kWidth;
    look.height = 250;
    look.outline = Chamfered(QRectF(0, 0, look.width, look.height), 18);
    look.picturePrefix = QStringLiteral("PL");
    look.pictureExtension = QStringLiteral("png");
    look.listFont = QStringLiteral("DejaVu Sans");
    look.listFontSize = 9;
    look.listText = QColor(0xd8, 0xd2, 0xf4);
    look.selection = QColor(0x7a, 0x4c, 0xe0);
    look.selectionText = QColor(0xff, 0xff, 0xff);
    look.current = kPrism.accent;
    look.selectionAlpha = 160;
    look.fieldLook = {.fontName = QStringLiteral("DejaVu Sans"),
                      .fontSize = 8,
                      .colour = kPrism.lcdText,
                      .shadow = Qt::black};
    look.changeSkinToolTip = kChangeSkinTip;
    return look;
}

} // namespace

QString WriteShowcaseSkin(const QString& skinRoot) {
    SkinFolder folder(skinRoot + QStringLiteral("/Showcase"));
    WritePictures(folder);
    folder.Text(QStringLiteral("Common.dvk"), CommonFile());

    SkinFile main;
    main.Comment(
        QStringLiteral("Vantor showcase skin. Generated by tools/skin-generator; edit the"));
    main.Comment(QStringLiteral("generator and run it again rather than editing this file."));
    main.Statement(QStringLiteral("IncludeDVK"), QStringLiteral("Common.dvk"));
    main.Blank();
    WriteFaceAndTexts(main);
    WriteBars(main);
    WriteButtonsAndPlaces(main);
    main.Statement(QStringLiteral("IncludeDVK"), QStringLiteral("ShowcasePL.dvk"));
    folder.Text(QStringLiteral("Showcase.dvk"), main);

    SkinFile playlist;
    playlist.Comment(
        QStringLiteral("Playlist part of the showcase skin, included by Showcase.dvk."));
    WritePlaylistWindow(ShowcasePlaylist(), folder, playlist);
    folder.Text(QStringLiteral("ShowcasePL.dvk"), playlist);
    return folder.Error();
}

} // namespace skingen
