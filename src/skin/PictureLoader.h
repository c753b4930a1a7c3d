// The one way the player loads a skin picture: PNG files through Pixwell,
// every other format through the desktop's picture reader. Pictures are
// handed out shared; null means the file gave no picture. UI thread only.
#pragma once

#include "platform/PictureReader.h"
#include "skin/PictureSource.h"
#include "skin/PixwellLibrary.h"
#include "skin/SkinPicture.h"

#include <string>

namespace vantor {

class PictureLoader : public PictureSource {
public:
    PictureLoader(PixwellLibrary& pixwell, PictureReader& reader)
        : m_pixwell(pixwell), m_reader(reader) {}

    Picture LoadPicture(const std::string& path) override { return LoadPictureFile(path); }

    // PNG (the extension in any letter case) goes to LoadPngPicture, any
    // other file to the desktop's reader.
    Picture LoadPictureFile(const std::string& path);
    // Decodes through Pixwell's two calls; null when Pixwell is missing or
    // refuses the file.
    Picture LoadPngPicture(const std::string& path);

private:
    PixwellLibrary& m_pixwell;
    PictureReader& m_reader;
};

// True when the file's extension, in upper case, is "PNG".
bool IsPngFileName(const std::string& path);

} // namespace vantor
