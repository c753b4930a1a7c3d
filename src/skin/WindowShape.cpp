#include "skin/WindowShape.h"

#include "base/ShownText.h"

#include <cstring>
#include <vector>

namespace vantor {

namespace {

constexpr const char* kRegionRefused = VANTOR_TEXT("CreateRgnFromPictureに失敗しました");
constexpr const char* kShapeError = VANTOR_TEXT("エラーだよ");
constexpr const char* kTitle = "Vantor";

void ShowPlain(MessageBoxes& messages, const char* text) {
    messages.Show(text, kTitle, MessageIcon::None);
}

// The rectangles follow the 32-byte header of Pixwell's region block.
gfx::Region ToRegion(const PixwellRegion& block) {
    gfx::Region region;
    if (block.count == 0)
        return region;
    std::vector<PixwellRect> rects(block.count);
    std::memcpy(rects.data(), &block + 1, rects.size() * sizeof(PixwellRect));
    for (const auto& rect : rects)
        region.Add({rect.left, rect.top, rect.right, rect.bottom});
    return region;
}

} // namespace

std::optional<FaceRegion> RegionFromFace(PixwellLibrary& pixwell, const gfx::Surface& face) {
    const PixwellApi* api = pixwell.Api();
    if (!api || face.IsEmpty())
        return std::nullopt;
    const PixwellBitmap bitmap{face.Width(), face.Height(), face.Width(), face.Pixels().data()};
    PixwellRect box{};
    PixwellRegion* block = api->createRegion(&bitmap, &box);
    if (!block)
        return std::nullopt;
    FaceRegion result{ToRegion(*block), {box.left, box.top, box.right, box.bottom}};
    api->freeRegion(block);
    return result;
}

ShapeOutcome CreateWindowShape(ShapedWindow& window, const Picture& face, gfx::Rect& opaqueBounds,
                               PixwellLibrary& pixwell, MessageBoxes& messages) {
    std::optional<FaceRegion> shape;
    if (face) {
        window.RemoveFrame();
        window.SetOuterSize(face->Width(), face->Height());
        window.ShowFace(*face);
        shape = RegionFromFace(pixwell, *face);
    }
    if (!shape) {
        ShowPlain(messages, kShapeError);
        return ShapeOutcome::Failed;
    }
    opaqueBounds = shape->opaqueBounds;
    if (!window.ApplyShape(shape->region)) {
        ShowPlain(messages, kRegionRefused);
        ShowPlain(messages, kShapeError);
        return ShapeOutcome::Refused;
    }
    return ShapeOutcome::Shaped;
}

} // namespace vantor
