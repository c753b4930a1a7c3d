// The playlist window of a skin: face, pressed face, scroll knobs and the
// statements that place the list, its fields and its 19 buttons.
// Single-threaded.
#pragma once

#include "Controls.h"
#include "SkinFile.h"
#include "SkinFolder.h"

#include <QPainterPath>
#include <QString>

namespace skingen {

struct PlaylistLook {
    Theme theme;
    int width = 0;
    int height = 0;
    QPainterPath outline;
    QString picturePrefix;    // file names start with it
    QString pictureExtension; // "bmp" or "png"
    QString listFont;
    int listFontSize = 10;
    QColor listText, selection, selectionText, current;
    int selectionAlpha = 255;
    TextLook fieldLook;
    QString changeSkinToolTip; // ends with the target digit
};

void WritePlaylistWindow(const PlaylistLook& look, SkinFolder& folder, SkinFile& file);

} // namespace skingen
