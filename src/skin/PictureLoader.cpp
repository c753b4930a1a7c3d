#include "skin/PictureLoader.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "skin/DibPicture.h"

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace vantor {

bool IsPngFileName(const std::string& path) {
    return AsciiUpper(ExtensionOf(path)) == "PNG";
}

Picture PictureLoader::LoadPictureFile(const std::string& path) {
    if (IsPngFileName(path))
        return LoadPngPicture(path);
    auto surface = m_reader.ReadPicture(path);
    return surface ? std::make_shared<gfx::Surface>(std::move(*surface)) : nullptr;
}

Picture PictureLoader::LoadPngPicture(const std::string& path) {
    const PixwellApi* api = m_pixwell.Api();
    if (!api)
        return nullptr;
    std::array<std::uint8_t, PIXWELL_BITMAP_INFO_SIZE> info{};
    std::int32_t size = 0;
    if (api->loadPng(path.c_str(), info.data(), &size) != 1 || size < 0)
        return nullptr;
    try {
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size));
        if (api->getPng(pixels.data()) != 1)
            return nullptr;
        return DibToPicture(pixels, info);
    } catch (const std::bad_alloc&) {
        // The decode is still waiting inside the library; release it.
        api->getPng(nullptr);
        return nullptr;
    }
}

} // namespace vantor
