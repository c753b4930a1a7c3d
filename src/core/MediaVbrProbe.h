// The VBR question answered by the media layer's file inspector, over the
// entry's whole file or its ZIP member's bytes. Borrows the settings; UI
// thread only.
#pragma once

#include "core/VbrProbe.h"
#include "settings/Settings.h"

namespace vantor {

class MediaVbrProbe : public VbrProbe {
public:
    explicit MediaVbrProbe(const Settings& settings) : m_settings(settings) {}
    bool IsVbr(const PlaylistEntry& entry) override;

private:
    const Settings& m_settings;
};

} // namespace vantor
