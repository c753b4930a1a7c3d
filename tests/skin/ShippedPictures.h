// The player's own picture loader (PNG through Pixwell, other formats
// through Qt's reader), recording each file it was asked for and whether it
// gave a picture. UI thread.
#pragma once

#include "skin/PictureLoader.h"
#include "skin/PixwellLibrary.h"
#include "ui/QtPictureReader.h"

#include <string>
#include <vector>

namespace vantor::test {

class ShippedPictures : public PictureSource {
public:
    Picture LoadPicture(const std::string& path) override {
        Picture picture = m_loader.LoadPictureFile(path);
        (picture ? loaded : refused).push_back(path);
        return picture;
    }

    std::vector<std::string> loaded;
    std::vector<std::string> refused;

private:
    // The library as built next to the tests, found through the run path.
    PixwellLibrary m_pixwell{""};
    QtPictureReader m_reader;
    PictureLoader m_loader{m_pixwell, m_reader};
};

} // namespace vantor::test
