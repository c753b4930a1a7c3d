// The pictograms of the skins' buttons, drawn as vector shapes so that every
// skin can scale and colour them. Single-threaded.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace skingen {

enum class Icon {
    Close,
    Minimize,
    Stop,
    Pause,
    Next,
    Previous,
    Play,
    Open,
    PlayList,
    About,
    Config,
    Loop,
    Random,
    Mix,
    ChangeSkin,
    Add,
    Delete,
    Clear,
    Load,
    Save,
    Up,
    Down,
    MoveUp,
    MoveDown,
    Link
};

// Draws `icon` centred in `box` (designed on a 16 x 16 grid).
void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour);

} // namespace skingen
