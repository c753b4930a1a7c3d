#include "app/AreaToolTips.h"

namespace vantor {

std::vector<AreaToolTip> AreaToolTips(const SkinDefinition& skin, PlayerWindow window) {
    std::vector<AreaToolTip> tips;
    for (const SkinToolTip& tip : CollectSkinToolTips(skin, window)) {
        const QRect area(tip.rect.left, tip.rect.top, tip.rect.right - tip.rect.left,
                         tip.rect.bottom - tip.rect.top);
        tips.push_back({area, QString::fromStdString(ExpandToolTipText(tip.text))});
    }
    return tips;
}

} // namespace vantor
