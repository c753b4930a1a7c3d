// Whether an MPEG audio entry carries a VBR header, which decides how
// accurately the sound library must seek in it. The media layer answers;
// tests script it. UI thread only.
#pragma once

#include "playlist/PlaylistEntry.h"

namespace vantor {

class VbrProbe {
public:
    virtual ~VbrProbe() = default;
    // Inspects the entry's bytes (a ZIP member's range for a member).
    virtual bool IsVbr(const PlaylistEntry& entry) = 0;
};

} // namespace vantor
