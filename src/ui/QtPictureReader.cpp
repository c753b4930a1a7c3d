#include "ui/QtPictureReader.h"

#include "ui/ImageFile.h"
#include "ui/SurfaceImage.h"

namespace vantor {

std::optional<gfx::Surface> QtPictureReader::ReadPicture(const std::string& path) {
    const QImage image = ReadImageFile(QString::fromStdString(path));
    if (image.isNull())
        return std::nullopt;
    return FromImage(image);
}

} // namespace vantor
