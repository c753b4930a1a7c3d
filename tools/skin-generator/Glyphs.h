// Glyph strips read by the player's bitmap text: the time font (digits,
// ":", "/", blank in one row) and the general sheet (16 cells a row from
// the space on). Single-threaded; the fonts named must be installed.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace skingen {

struct SegmentStyle {
    int cellWidth = 0;
    int cellHeight = 0;
    QColor lit, unlit, back;
    bool smooth = true;
};

struct SheetStyle {
    int cellWidth = 0;
    int cellHeight = 0;
    QString family;
    int pixelSize = 0;
    bool bold = false;
    QColor ink, back;
    // Hard edges give the sheet the look of a pixel font.
    bool smooth = true;
};

inline constexpr int kTimeFontCells = 13;
inline constexpr int kSheetFirstCode = 32;
inline constexpr int kSheetColumns = 16;
inline constexpr int kSheetRows = 6;

// Seven-segment digits with their unlit segments faintly visible, as on a
// liquid-crystal display.
QImage TimeFontStrip(const SegmentStyle& style);
QImage FontSheet(const SheetStyle& style);

} // namespace skingen
