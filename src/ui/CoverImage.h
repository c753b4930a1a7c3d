// Cover pictures as Qt reads them: decoded for showing, or only recognised
// by their header when another program will show them. Bytes that are no
// picture, or one too large to decode, give nothing. Any thread.
#pragma once

#include <QByteArray>
#include <QImage>

namespace vantor {

struct CoverArt;

// A null image when the bytes do not decode.
QImage DecodeCover(const CoverArt& cover);

// The format the bytes' header names ("jpeg", "png", ...) when it also
// tells a sane size; empty otherwise.
QByteArray CoverFormat(const CoverArt& cover);

} // namespace vantor
