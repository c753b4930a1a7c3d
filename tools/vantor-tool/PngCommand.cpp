// vantor-tool png FILE OUT.bmp
#include "Commands.h"
#include "ToolPictures.h"

#include "base/AtomicFile.h"
#include "gfx/BmpEncoder.h"

#include <ostream>

namespace vantor::tool {

int RunPng(Args args, std::ostream& /*out*/, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: vantor-tool png FILE OUT.bmp\n";
        return 2;
    }
    ToolPictures pictures;
    const Picture picture = pictures.LoadOrSay(args[0], err);
    if (!picture)
        return 1;
    const auto bmp = gfx::EncodeBmp24(*picture);
    if (!WriteFileAtomically(
            args[1], std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()))) {
        err << "vantor-tool: cannot write " << args[1] << "\n";
        return 1;
    }
    return 0;
}

} // namespace vantor::tool
