// vantor-tool region FILE
#include "Commands.h"
#include "ToolPictures.h"

#include "skin/WindowShape.h"

#include <ostream>

namespace vantor::tool {

int RunRegion(Args args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: vantor-tool region FILE\n";
        return 2;
    }
    ToolPictures pictures;
    const Picture picture = pictures.LoadOrSay(args[0], err);
    if (!picture)
        return 1;
    const auto shape = RegionFromFace(pictures.Pixwell(), *picture);
    if (!shape) {
        err << "vantor-tool: " << args[0] << ": Pixwell gave no region\n";
        return 1;
    }
    const gfx::Rect& box = shape->opaqueBounds;
    out << "rectangles = " << shape->region.Rects().size() << "\n";
    out << "bounds = " << box.left << " " << box.top << " " << box.right << " " << box.bottom
        << "\n";
    return 0;
}

} // namespace vantor::tool
