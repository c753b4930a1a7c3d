#include "settings/dialog/SettingsPages.h"

namespace vantor {

int PageAfterSelecting(std::string_view key, int currentPage) {
    for (const CategoryNode& node : kCategoryNodes) {
        if (node.key == key)
            return node.page == kNoPage ? currentPage : node.page;
    }
    return currentPage;
}

std::string_view NodeKeyOfPage(int page) {
    for (const CategoryNode& node : kCategoryNodes) {
        if (node.page == page && page != kNoPage)
            return node.key;
    }
    return {};
}

} // namespace vantor
