// The player's own picture loader (PNG through Pixwell, other formats
// through Qt's reader), recording each file it was asked for and whether it
// gave a picture. UI thread.
#pragma once

#include "base/Paths.h"
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
    // The library as built, named by its path: under the sanitizers the
    // dynamic loader would not search the test's run path for a bare name.
    PixwellLibrary m_pixwell{FolderOf(PIXWELL_BUILT_LIBRARY), FileNameOf(PIXWELL_BUILT_LIBRARY)};
    QtPictureReader m_reader;
    PictureLoader m_loader{m_pixwell, m_reader};
};

} // namespace vantor::test
