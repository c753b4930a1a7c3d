#include "PlaylistWindow.h"

#include "Canvas.h"
#include "Commands.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <vector>

namespace skingen {

namespace {

struct Placed {
    Command command;
    QRect rect;
    bool toggle = false;
};

struct Layout {
    QRect list, scroll, display;
    QRect currentNumber, totalNumber, time, totalTime;
    std::vector<Placed> buttons;
};

constexpr int kButtonStep = 26;
constexpr int kGroupGap = 8;

Layout MakeLayout(int width, int height) {
    using namespace commands;
    Layout layout;
    layout.list = QRect(14, 28, width - 48, height - 88);
    layout.scroll = QRect(width - 30, 28, 14, height - 88);
    layout.display = QRect(14, height - 30, width - 28, 20);
    const int fieldTop = height - 27;
    layout.currentNumber = QRect(24, fieldTop, 34, 14);
    layout.totalNumber = QRect(72, fieldTop, 34, 14);
    layout.time = QRect(width / 2 - 30, fieldTop, 70, 14);
    layout.totalTime = QRect(width - 96, fieldTop, 76, 14);

    layout.buttons = {{kListClose, QRect(width - 34, 7, 22, 16)},
                      {kLink, QRect(width - 70, 7, 30, 16), true},
                      {kAbout, QRect(width - 96, 7, 22, 16)},
                      {kChangeSkin, QRect(width - 122, 7, 22, 16)}};
    const int row = height - 56;
    const std::array listGroup{kAdd, kDelete, kClear, kLoad, kSave};
    const std::array moveGroup{kUp, kDown, kMoveUp, kMoveDown};
    const std::array playGroup{kPrevious, kPlay, kPause, kStop, kNext, kOpen};
    const int count = static_cast<int>(listGroup.size() + moveGroup.size() + playGroup.size());
    const int step = std::min(kButtonStep, (width - 28 - 2 * kGroupGap) / count);
    const auto place = [&](const auto& group, int x) {
        for (const auto& command : group) {
            layout.buttons.push_back({command, QRect(x, row, step - 2, 20)});
            x += step;
        }
    };
    place(listGroup, 14);
    place(moveGroup, 14 + static_cast<int>(listGroup.size()) * step + kGroupGap);
    place(playGroup, width - 14 - static_cast<int>(playGroup.size()) * step + 2);
    return layout;
}

QImage DrawFace(const PlaylistLook& look, const Layout& layout, Press press) {
    QImage face = NewCanvas(look.width, look.height);
    QPainter painter(&face);
    DrawBody(painter, look.outline, look.theme);
    DrawLabel(painter, QRect(20, 6, 140, 18), QStringLiteral("PLAYLIST"), look.theme, 10);
    DrawDisplay(painter, layout.list.adjusted(-2, -2, 2, 2), look.theme);
    DrawDisplay(painter, layout.scroll, look.theme);
    DrawDisplay(painter, layout.display, look.theme);
    Theme dim = look.theme;
    dim.label = look.theme.lcdDim.lighter(170);
    const QRect info = layout.currentNumber;
    DrawLabel(painter, QRect(info.right() + 2, info.top(), 12, 14), QStringLiteral("/"), dim, 9);
    DrawLabel(painter, QRect(layout.time.left() - 38, info.top(), 36, 14), QStringLiteral("TIME"),
              dim, 8);
    DrawLabel(painter, QRect(layout.totalTime.left() - 44, info.top(), 42, 14),
              QStringLiteral("TOTAL"), dim, 8);
    for (const auto& placed : layout.buttons) {
        if (placed.toggle)
            DrawToggle(painter, placed.rect, placed.command.icon, look.theme, press);
        else
            DrawButton(painter, placed.rect, placed.command.icon, look.theme, press);
    }
    painter.end();
    CutOutline(face, look.outline);
    return face;
}

QImage DrawScrollKnob(const PlaylistLook& look, Press press) {
    QImage knob = NewCanvas(14, 30, look.theme.lcdBack);
    QPainter painter(&knob);
    DrawSliderKnob(painter, QRect(1, 0, 12, 30), look.theme, press);
    painter.setPen(
        QPen(press == Press::Down ? look.theme.accent.darker(220) : look.theme.buttonEdge, 1));
    for (int y = 11; y <= 19; y += 4)
        painter.drawLine(4, y, 10, y);
    painter.end();
    CutOutline(knob, RoundedRectPath(QRectF(1, 0, 12, 30), 3));
    return knob;
}

QString PictureName(const PlaylistLook& look, const QString& part) {
    return look.picturePrefix + part + u'.' + look.pictureExtension;
}

void WriteFields(const PlaylistLook& look, const Layout& layout, SkinFile& file) {
    const std::array fields{
        std::pair{QStringLiteral("PlayListCurrentTrackNumber"), layout.currentNumber},
        std::pair{QStringLiteral("PlayListTotalTrackNumber"), layout.totalNumber},
        std::pair{QStringLiteral("PlayListTime"), layout.time},
        std::pair{QStringLiteral("PlayListTotalPlayTime"), layout.totalTime}};
    for (const auto& [prefix, rect] : fields) {
        file.Rect(prefix + QStringLiteral("Field"), rect);
        file.Font(prefix, look.fieldLook, false);
    }
}

} // namespace

void WritePlaylistWindow(const PlaylistLook& look, SkinFolder& folder, SkinFile& file) {
    const Layout layout = MakeLayout(look.width, look.height);
    const QString face = PictureName(look, QStringLiteral("Face"));
    const QString pressed = PictureName(look, QStringLiteral("Pressed"));
    const QString knob = PictureName(look, QStringLiteral("Scroll"));
    const QString knobPressed = PictureName(look, QStringLiteral("ScrollPressed"));
    folder.Picture(face, DrawFace(look, layout, Press::Up));
    folder.Picture(pressed, DrawFace(look, layout, Press::Down));
    folder.Picture(knob, DrawScrollKnob(look, Press::Up));
    folder.Picture(knobPressed, DrawScrollKnob(look, Press::Down));

    file.Comment(QStringLiteral("Playlist window: faces and scroll knob"));
    file.Statement(QStringLiteral("PlayListMainBitmap"), face);
    file.Statement(QStringLiteral("PlayListMainBitmapPressed"), pressed);
    file.Statement(QStringLiteral("PlayListScrollBitmap"), knob);
    file.Statement(QStringLiteral("PlayListScrollBitmapPressed"), knobPressed);
    file.Blank();
    file.Comment(QStringLiteral("The track list"));
    file.Rect(QStringLiteral("PlayListTextField"), layout.list.adjusted(3, 2, -3, -2));
    file.Statement(QStringLiteral("PlayListFontName"), look.listFont);
    file.Number(QStringLiteral("PlayListFontSize"), look.listFontSize);
    file.Colour(QStringLiteral("PlayListFontColor"), look.listText);
    file.Colour(QStringLiteral("PlayListRectColor"), look.selection);
    file.Colour(QStringLiteral("PlayListRectFontColor"), look.selectionText);
    file.Colour(QStringLiteral("PlayListCurrentTrackColor"), look.current);
    file.Number(QStringLiteral("PlayListRectAlpha"), look.selectionAlpha);
    file.Rect(QStringLiteral("PlayListScrollField"), layout.scroll,
              QStringLiteral("スクロール[\\n]Scroll the list"));
    file.Blank();
    file.Comment(QStringLiteral("Counters and times under the list"));
    WriteFields(look, layout, file);
    file.Rect(QStringLiteral("PlayListCustomToolTips"),
              layout.currentNumber.united(layout.totalNumber),
              QStringLiteral("再生中の曲番号 / 曲数[\\n]Current track / tracks in the list"));
    file.Rect(QStringLiteral("PlayListCustomToolTips"), layout.time,
              QStringLiteral("経過時間[\\n]Time played"));
    file.Rect(QStringLiteral("PlayListCustomToolTips"), layout.totalTime,
              QStringLiteral("合計時間[\\n]Total play time of the list"));
    file.Blank();
    file.Comment(QStringLiteral("Buttons"));
    for (const auto& placed : layout.buttons) {
        const bool changesSkin = placed.command.icon == Icon::ChangeSkin;
        file.Rect(PlayListKeyword(placed.command), placed.rect,
                  changesSkin ? look.changeSkinToolTip : ToolTip(placed.command));
    }
}

} // namespace skingen
