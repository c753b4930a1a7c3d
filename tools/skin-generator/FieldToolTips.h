// The tooltips of a main window's display fields and its stereo and mono
// regions, worded once for every skin: each skin says where its fields are.
// Single-threaded.
#pragma once

#include "SkinFile.h"

#include <QRect>

namespace skingen {

struct FieldPlaces {
    QRect time, formatTexts, stereo, mono, volumeValue, panValue, pitchValue;
};

inline void WriteFieldToolTips(SkinFile& file, const FieldPlaces& places) {
    const auto tip = [&file](const QRect& rect, const char* text) {
        file.Rect(QStringLiteral("CustomToolTips"), rect, QString::fromUtf8(text));
    };
    file.Rect(QStringLiteral("SongModeStereoWindowField"), places.stereo,
              QStringLiteral("ステレオ[\\n]Stereo"));
    file.Rect(QStringLiteral("SongModeMonoWindowField"), places.mono,
              QStringLiteral("モノラル[\\n]Mono"));
    tip(places.time, "経過時間 / 曲の長さ[\\n]Time played / length");
    tip(places.formatTexts, "形式・ビットレート・サンプリングレート・モード[\\n]Format, bit rate, "
                            "sample rate, channels");
    tip(places.stereo.united(places.mono), "ステレオ / モノラル[\\n]Stereo or mono");
    tip(places.volumeValue, "音量[\\n]Volume");
    tip(places.panValue, "左右バランス[\\n]Balance");
    tip(places.pitchValue, "ピッチ[\\n]Pitch");
}

} // namespace skingen
