#include "skin/SkinToolTips.h"

#include "base/StringUtil.h"

#include <span>

namespace vantor {
namespace {

void Add(std::vector<SkinToolTip>& tips, const SkinRect& rect, const std::string& text) {
    if (!text.empty())
        tips.push_back({rect, ExpandToolTipText(text)});
}

void AddButtons(std::vector<SkinToolTip>& tips, std::span<const SkinButton> buttons) {
    for (const SkinButton& button : buttons) {
        for (int region = 0; region <= button.regionCount && region < 3; ++region)
            Add(tips, button.regions[region].rect, button.regions[region].toolTip);
    }
}

} // namespace

std::string ExpandToolTipText(std::string_view text) {
    return ReplaceAll(text, "[\\n]", "\r\n");
}

std::vector<SkinToolTip> CollectSkinToolTips(const SkinDefinition& skin, PlayerWindow window) {
    std::vector<SkinToolTip> tips;
    if (window == PlayerWindow::Playlist) {
        AddButtons(tips, skin.playListButtons);
        Add(tips, skin.playListScrollField.rect, skin.playListScrollField.toolTip);
        for (const SkinToolTip& tip : skin.playListCustomToolTips)
            Add(tips, tip.rect, tip.text);
        return tips;
    }
    AddButtons(tips, skin.mainButtons);
    const SkinTextStyle& songInfo = skin.Style(TextField::SongInfo);
    Add(tips, songInfo.rect, songInfo.toolTip);
    Add(tips, skin.spectrumField.rect, skin.spectrumField.toolTip);
    for (const SkinBarStyle& bar : skin.bars)
        Add(tips, bar.rect, bar.toolTip);
    for (const SkinToolTip& tip : skin.customToolTips)
        Add(tips, tip.rect, tip.text);
    return tips;
}

} // namespace vantor
