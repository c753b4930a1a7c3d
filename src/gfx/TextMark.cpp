#include "gfx/TextMark.h"

#include "gfx/Surface.h"

#include <algorithm>
#include <cstddef>

namespace vantor::gfx {

namespace {

std::vector<Pixel> CropPixels(const std::vector<Pixel>& pixels, const Rect& area,
                              const Rect& part) {
    std::vector<Pixel> result;
    result.reserve(static_cast<std::size_t>(part.Width()) *
                   static_cast<std::size_t>(part.Height()));
    for (int y = part.top; y < part.bottom; ++y) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y - area.top) * area.Width();
        result.insert(result.end(), row + (part.left - area.left), row + (part.right - area.left));
    }
    return result;
}

std::vector<Pixel> CopyPixels(const Surface& surface, const Rect& area) {
    std::vector<Pixel> result;
    result.reserve(static_cast<std::size_t>(area.Width()) *
                   static_cast<std::size_t>(area.Height()));
    for (int y = area.top; y < area.bottom; ++y) {
        const Pixel* row = surface.Row(y);
        result.insert(result.end(), row + area.left, row + area.right);
    }
    return result;
}

void PastePixels(std::vector<Pixel>& pixels, const Rect& area, const std::vector<Pixel>& part,
                 const Rect& partArea) {
    auto from = part.begin();
    for (int y = partArea.top; y < partArea.bottom; ++y, from += partArea.Width()) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y - area.top) * area.Width();
        std::copy(from, from + partArea.Width(), row + (partArea.left - area.left));
    }
}

// Pieces of one text copied side by side (a text revealed in strips) are
// one mark again; where they overlap, the older piece's background is the
// one without the text.
bool ArePiecesOfOneText(const TextMark& older, const TextMark& newer) {
    return older.layers == newer.layers && older.anchor == newer.anchor &&
           older.area.top == newer.area.top && older.area.bottom == newer.area.bottom &&
           older.area.left <= newer.area.right && newer.area.left <= older.area.right;
}

std::shared_ptr<const TextMark> JoinPieces(const TextMark& older, const TextMark& newer) {
    auto joined = std::make_shared<TextMark>();
    joined->area = Union(older.area, newer.area);
    joined->anchor = older.anchor;
    joined->layers = older.layers;
    const auto size = static_cast<std::size_t>(joined->area.Width()) *
                      static_cast<std::size_t>(joined->area.Height());
    joined->under.resize(size);
    joined->drawn.resize(size);
    PastePixels(joined->under, joined->area, newer.under, newer.area);
    PastePixels(joined->under, joined->area, older.under, older.area);
    PastePixels(joined->drawn, joined->area, older.drawn, older.area);
    PastePixels(joined->drawn, joined->area, newer.drawn, newer.area);
    return joined;
}

} // namespace

bool IsStillShown(const TextMark& mark, const Surface& surface) {
    if (!surface.Bounds().Contains(mark.area))
        return false;
    auto drawn = mark.drawn.begin();
    for (int y = mark.area.top; y < mark.area.bottom; ++y, drawn += mark.area.Width()) {
        const Pixel* row = surface.Row(y);
        if (!std::equal(row + mark.area.left, row + mark.area.right, drawn))
            return false;
    }
    return true;
}

void DrawMarkedText(Surface& surface, TextLayer layer, const std::function<void()>& paint) {
    const Rect area = Intersect(layer.clip, surface.Bounds());
    if (area.IsEmpty()) {
        paint();
        return;
    }
    const auto& marks = surface.Marks().All();
    const std::shared_ptr<const TextMark> below = marks.empty() ? nullptr : marks.back();
    const bool joins = below != nullptr && !Intersect(below->area, area).IsEmpty() &&
                       IsStillShown(*below, surface);
    auto mark = std::make_shared<TextMark>();
    mark->area = joins ? Union(below->area, area) : area;
    mark->under = CopyPixels(surface, mark->area);
    auto layers = std::make_shared<std::vector<TextLayer>>();
    if (joins) {
        PastePixels(mark->under, mark->area, below->under, below->area);
        for (TextLayer earlier : *below->layers) {
            earlier.at = {earlier.at.x + below->anchor.x, earlier.at.y + below->anchor.y};
            earlier.clip = earlier.clip.Offset(below->anchor.x, below->anchor.y);
            layers->push_back(std::move(earlier));
        }
    }
    paint();
    mark->drawn = CopyPixels(surface, mark->area);
    layers->push_back(std::move(layer));
    mark->layers = std::move(layers);
    surface.Marks().Add(std::move(mark));
}

void TextMarks::DropInside(const Rect& area) {
    std::erase_if(m_marks, [&](const auto& mark) { return area.Contains(mark->area); });
}

void TextMarks::Add(std::shared_ptr<const TextMark> mark) {
    if (!m_marks.empty() && ArePiecesOfOneText(*m_marks.back(), *mark)) {
        mark = JoinPieces(*m_marks.back(), *mark);
        m_marks.pop_back();
    }
    DropInside(mark->area);
    if (m_marks.size() >= kMostMarks)
        m_marks.erase(m_marks.begin());
    m_marks.push_back(std::move(mark));
}

std::shared_ptr<TextMark> CropMark(const TextMark& mark, const Rect& from, Point offset) {
    const Rect part = Intersect(mark.area, from);
    if (part.IsEmpty())
        return nullptr;
    for (int y = mark.area.top; y < mark.area.bottom; ++y) {
        if (y >= part.top && y < part.bottom)
            continue;
        const auto row = static_cast<std::ptrdiff_t>(y - mark.area.top) * mark.area.Width();
        if (!std::equal(mark.drawn.begin() + row, mark.drawn.begin() + row + mark.area.Width(),
                        mark.under.begin() + row))
            return nullptr;
    }
    auto cropped = std::make_shared<TextMark>();
    cropped->area = part.Offset(offset.x, offset.y);
    cropped->anchor = {mark.anchor.x + offset.x, mark.anchor.y + offset.y};
    cropped->layers = mark.layers;
    if (part == mark.area) {
        cropped->under = mark.under;
        cropped->drawn = mark.drawn;
    } else {
        cropped->under = CropPixels(mark.under, mark.area, part);
        cropped->drawn = CropPixels(mark.drawn, mark.area, part);
    }
    return cropped;
}

} // namespace vantor::gfx
