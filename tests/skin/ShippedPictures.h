// Decodes the shipped skins' pictures the way the player does: PNG files
// through Pixwell, every other format through Qt's image reader. Each file
// asked for is recorded with whether it decoded. UI thread.
#pragma once

#include "skin/PictureSource.h"

#include <string>
#include <vector>

namespace vantor::test {

class ShippedPictures : public PictureSource {
public:
    Picture LoadPicture(const std::string& path) override;

    std::vector<std::string> loaded;
    std::vector<std::string> refused;
};

} // namespace vantor::test
