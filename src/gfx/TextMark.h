// What a surface remembers of the font text drawn on it, so that a window
// shown at a higher pixel ratio can draw that text again at the screen's
// resolution instead of enlarging its 1× pixels. A mark holds the text's
// layers (a shadow and the text, or the parts of a playlist row), the pixels
// under them and the pixels they made; the mark counts only while the shown
// pixels are still the ones it made. Marks travel with their pixels when
// those are copied to another surface. Plain values; one thread at a time.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantor::gfx {

struct TextFont {
    std::string name;
    int size = 10; // points
    bool bold = false;
    bool italic = false;
    bool operator==(const TextFont&) const = default;
};

// One line of text as it was drawn; positions are relative to the anchor
// of the mark that holds it.
struct TextLayer {
    TextFont font;
    Pixel colour = kBlack;
    Point at;  // the text's top-left corner
    Rect clip; // the part of the text that was drawn
    std::string text;
};

struct TextMark {
    Rect area;    // on the surface
    Point anchor; // where the layers' origin lies on the surface
    std::shared_ptr<const std::vector<TextLayer>> layers;
    std::vector<Pixel> under; // the area's pixels without the text, rows top first
    std::vector<Pixel> drawn; // the area's pixels as the text left them
};

class TextMarks {
public:
    using Items = std::vector<std::shared_ptr<const TextMark>>;

    const Items& All() const { return m_marks; }
    bool IsEmpty() const { return m_marks.empty(); }
    void Clear() { m_marks.clear(); }

    // Marks wholly inside `area` are gone once it is painted over.
    void DropInside(const Rect& area);
    // A newer mark replaces the ones it covers; the oldest go when too many
    // have gathered (text shown small or in strips then stays as it is).
    void Add(std::shared_ptr<const TextMark> mark);

private:
    static constexpr std::size_t kMostMarks = 64;
    Items m_marks;
};

class Surface;

// Whether `surface` still shows the pixels `mark` made.
bool IsStillShown(const TextMark& mark, const Surface& surface);

// Draws `layer` with `paint` (which paints its pixels into `surface`) and
// leaves its mark there. A text drawn over a mark that is still shown, such
// as a text over its own shadow, joins that mark as one more layer.
void DrawMarkedText(Surface& surface, TextLayer layer, const std::function<void()>& paint);

// The part of `mark` that lies in `from`, moved by `offset`; null when it is
// empty or leaves out rows the text drew on (a strip of a text is left to
// its pixels).
std::shared_ptr<TextMark> CropMark(const TextMark& mark, const Rect& from, Point offset);

} // namespace vantor::gfx
