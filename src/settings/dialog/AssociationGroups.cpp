#include "settings/dialog/AssociationGroups.h"

namespace vantor {

namespace {

std::size_t ItemIndex(std::string_view extension) {
    for (std::size_t i = 0; i < kAssociationItems.size(); ++i) {
        if (kAssociationItems[i].extension == extension)
            return i;
    }
    return kAssociationItems.size();
}

} // namespace

const std::array<AssociationGroup, 12>& AssociationGroups() {
    static const std::array<AssociationGroup, 12> groups{{
        {"MOD", {".MOD"}},
        {"S3M", {".S3M"}},
        {"XM", {".XM"}},
        {"IT", {".IT"}},
        {"MIDI (MID, RMI, SGT)", {".MID", ".RMI", ".SGT"}},
        {"WAV", {".WAV"}},
        {"MPEG (MP2, MP3)", {".MP2", ".MP3"}},
        {"OGG", {".OGG"}},
        {"Windows Media (WMA, ASF)", {".WMA", ".ASF"}},
        {"M3U", {".M3U"}},
        {"DVL", {".DVL"}},
        {"AIFF (AIF, AIFF)", {".AIF", ".AIFF"}},
    }};
    return groups;
}

bool GroupTicked(const AssociationTicks& ticks, std::size_t group) {
    for (std::string_view extension : AssociationGroups()[group].extensions) {
        if (!ticks[ItemIndex(extension)])
            return false;
    }
    return true;
}

void SetGroupTicked(AssociationTicks& ticks, std::size_t group, bool ticked) {
    for (std::string_view extension : AssociationGroups()[group].extensions)
        ticks[ItemIndex(extension)] = ticked;
}

AssociationTicks CurrentAssociations(const FileAssociations& associations) {
    AssociationTicks ticks{};
    for (std::size_t i = 0; i < kAssociationItems.size(); ++i)
        ticks[i] = associations.IsAssociated(std::string(kAssociationItems[i].extension));
    return ticks;
}

} // namespace vantor
