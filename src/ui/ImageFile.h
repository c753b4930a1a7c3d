// Reads a picture file through Qt's image reader, the format told by the
// file's contents rather than its name. UI thread (Qt's image plugins are
// loaded there).
#pragma once

#include <QImage>
#include <QString>

namespace vantor {

// A null image when the file cannot be opened or holds no picture Qt reads.
QImage ReadImageFile(const QString& path);

} // namespace vantor
