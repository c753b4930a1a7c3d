#include "skin/SkinDefinition.h"

namespace vantor {
namespace {

bool IsPlayListField(int field) {
    return field >= static_cast<int>(TextField::PlayListCurrentTrackNumber) &&
           field <= static_cast<int>(TextField::PlayListTime);
}

void ResetTextStyles(SkinDefinition& skin, const std::string& fontName, bool playList) {
    for (int field = 0; field < kTextFieldCount; ++field) {
        if (IsPlayListField(field) != playList)
            continue;
        skin.textStyles[field] = SkinTextStyle{};
        skin.textStyles[field].fontName = fontName;
    }
}

} // namespace

void ResetMainSkin(SkinDefinition& skin, const std::string& defaultFontName) {
    skin.mainFace.reset();
    skin.mainPressed.reset();
    skin.mainInactive.reset();
    skin.mainBitmapLoaded = false;
    skin.mainPressedLoaded = false;
    skin.spectrumFieldSet = false;
    skin.mainButtons = {};
    skin.skinTargets = {};
    ResetTextStyles(skin, defaultFontName, false);
    skin.songInfoMask.reset();
    skin.songInfoMaskPath.clear();
    skin.bars = {};
    skin.fontBitmap.reset();
    skin.fontCellWidth = skin.fontCellHeight = skin.fontTransparent = 0;
    skin.timeFontBitmap.reset();
    skin.timeFontCellWidth = skin.timeFontCellHeight = skin.timeFontTransparent = 0;
    skin.spectrumPattern.reset();
    skin.spectrumPatternPath.clear();
    skin.spectrumPeakColor = kSkinWhite;
    skin.oscilloscopeColor = -1;
    skin.oscilloscopeWidth = -1;
    skin.monoWindowRegions = {};
    skin.stereoWindowRegions = {};
    skin.customToolTips.clear();
    skin.playListInitPlacement = false;
}

void ResetPlayListSkin(SkinDefinition& skin, const std::string& defaultFontName) {
    skin.playListFace.reset();
    skin.playListPressed.reset();
    skin.playListScrollKnob.reset();
    skin.playListScrollKnobPressed.reset();
    skin.playListMainLoaded = false;
    skin.playListPressedLoaded = false;
    skin.playListButtons = {};
    skin.playListSkinTargets = {};
    ResetTextStyles(skin, defaultFontName, true);
    skin.playListTextRect = {};
    skin.playListFontName = defaultFontName;
    skin.playListFontSize = 10;
    skin.playListFontColor = 0;
    skin.playListRectColor = 0;
    skin.playListRectFontColor = 0;
    skin.playListCurrentTrackColor = 0;
    skin.playListRectAlpha = 255;
    skin.playListScrollField = {};
    skin.playListCustomToolTips.clear();
}

void ResetSkinExtras(SkinDefinition& skin) {
    skin.dockPosition = -1;
    skin.dockPositionXY = {};
    skin.spectrumField = {};
    skin.analyzerAreaPlaced = false;
    skin.spectrumPatternType = 0;
    skin.aboutCount = 0;
    skin.linkPointCount = 0;
    skin.skinName.clear();
}

} // namespace vantor
