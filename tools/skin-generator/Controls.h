// The building blocks every skin face is drawn from: body, buttons, display
// panels, lamps, grooves and knobs, all coloured by one palette so that a
// skin restyles by changing its `Theme`. Single-threaded.
#pragma once

#include "Icons.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

namespace skingen {

struct Theme {
    QColor bodyTop, bodyBottom, bodyEdge, bodyHighlight;
    QColor buttonTop, buttonBottom, buttonEdge, buttonIcon;
    QColor pressedTop, pressedBottom, pressedIcon;
    QColor lcdBack, lcdEdge, lcdText, lcdDim;
    QColor accent, label;
    QString labelFont;
};

enum class Press { Up, Down };
enum class ButtonShape { Rounded, Round };

void DrawBody(QPainter& painter, const QPainterPath& shape, const Theme& theme);
void DrawButton(QPainter& painter, const QRect& rect, Icon icon, const Theme& theme, Press press,
                ButtonShape shape = ButtonShape::Rounded);
// A toggle button carries a small lamp that lights when it is pressed.
void DrawToggle(QPainter& painter, const QRect& rect, Icon icon, const Theme& theme, Press press);
// A sunken display: flat `lcdBack` inside, so that glyph cells drawn on the
// same colour join without seams.
void DrawDisplay(QPainter& painter, const QRect& rect, const Theme& theme);
void DrawLamp(QPainter& painter, const QRect& rect, const QString& text, const Theme& theme,
              Press lit);
void DrawLabel(QPainter& painter, const QRect& rect, const QString& text, const Theme& theme,
               int pixelSize, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
void DrawGroove(QPainter& painter, const QRect& rect, const Theme& theme);
void DrawSliderKnob(QPainter& painter, const QRect& rect, const Theme& theme, Press press);

QPainterPath RoundedRectPath(const QRectF& rect, double radius);

} // namespace skingen
