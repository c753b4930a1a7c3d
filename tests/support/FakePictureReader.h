// Stands in for the desktop's picture reader: records every path it was
// asked for and answers with a preset surface or nothing.
#pragma once

#include "platform/PictureReader.h"

#include <optional>
#include <string>
#include <vector>

namespace vantor::test {

class FakePictureReader : public PictureReader {
public:
    std::optional<gfx::Surface> ReadPicture(const std::string& path) override {
        asked.push_back(path);
        return answer;
    }
    std::optional<gfx::Surface> answer;
    std::vector<std::string> asked;
};

} // namespace vantor::test
