#include "shell/AssociationList.h"

#include <string>

namespace vantor {

void ApplyAssociations(FileAssociations& associations,
                       const std::array<bool, kAssociationItems.size()>& ticked) {
    for (std::size_t i = 0; i < kAssociationItems.size(); ++i) {
        const std::string extension{kAssociationItems[i].extension};
        if (ticked[i])
            associations.Associate(extension);
        else
            associations.Unassociate(extension);
    }
    associations.NotifyChanged();
}

} // namespace vantor
