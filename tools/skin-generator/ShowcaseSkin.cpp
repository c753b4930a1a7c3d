#include "Skins.h"
namespace skingen {
QString WriteShowcaseSkin(const QString&) {
    return {};
}
} // namespace skingen
