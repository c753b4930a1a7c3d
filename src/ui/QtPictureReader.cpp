#include "ui/QtPictureReader.h"

#include "ui/SurfaceImage.h"

#include <QImage>
#include <QImageReader>
#include <QString>

namespace vantor {

std::optional<gfx::Surface> QtPictureReader::ReadPicture(const std::string& path) {
    // The format is told by the contents, not the name, as the desktop
    // loader does: a JPEG named .bmp still loads.
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return FromImage(image);
}

} // namespace vantor
