#include "shell/AssociationList.h"

#include <string>

namespace vantor {

void ApplyAssociations(FileAssociations& associations,
                       const std::array<bool, kAssociationItems.size()>& ticked) {
    // Extensions may share a file type (".MID" and ".RMI" are both MIDI):
    // the unticked ones give theirs back first, so a ticked one keeps it.
    for (const bool associate : {false, true}) {
        for (std::size_t i = 0; i < kAssociationItems.size(); ++i) {
            const std::string extension{kAssociationItems[i].extension};
            if (ticked[i] && associate)
                associations.Associate(extension);
            else if (!ticked[i] && !associate)
                associations.Unassociate(extension);
        }
    }
    associations.NotifyChanged();
}

} // namespace vantor
