// The record of the applied skin: pictures, buttons, text styles, bar styles,
// colours, tooltips, link and dock points. Owned by the Player; filled by the
// skin file loader and read by every drawing routine on the UI thread.
// Colours are 0x00BBGGRR; rectangles are client pixels, left/top/right/bottom.
#pragma once

#include "skin/SkinPicture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

struct SkinRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    // Both edges included, as every hit test of the skin means it.
    bool Contains(std::int32_t x, std::int32_t y) const {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
    bool operator==(const SkinRect&) const = default;
};

struct SkinRegion {
    SkinRect rect;
    std::string toolTip;
    std::int16_t target = 0;
};

// A button is hit when a point falls into any of its filled regions
// (indices 0 to regionCount).
struct SkinButton {
    std::array<SkinRegion, 3> regions;
    std::int32_t regionCount = -1;
};

// A region list with a counter that starts at -1 and stays at 2 once full.
struct SkinRegionList {
    std::array<SkinRegion, 3> regions;
    std::int32_t count = -1;
};

struct SkinTarget {
    std::string target;
    std::string declaringFile;
};

struct SkinTargetList {
    std::array<SkinTarget, 3> entries;
    std::int32_t count = -1;
};

struct SkinToolTip {
    SkinRect rect;
    std::string text;
};

struct SkinPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    // A skin leaves the points it does not name at 0, 0.
    bool IsSet() const { return x != 0 || y != 0; }
};

inline constexpr std::int32_t kSkinWhite = 0xFFFFFF;
inline constexpr const char* kFontKindFont = "FONT";
inline constexpr const char* kFontKindBitmap = "BMP";

enum class TextField : int {
    Time,
    SongFormat,
    SongKbps,
    SongKhz,
    SongMode,
    VolumeVal,
    PanVal,
    PitchVal,
    PlayListCurrentTrackNumber,
    PlayListTotalTrackNumber,
    PlayListTotalPlayTime,
    PlayListTime,
    SongInfo,
    Count
};
inline constexpr int kTextFieldCount = static_cast<int>(TextField::Count);

struct SkinTextStyle {
    SkinRect rect;
    std::string toolTip;
    std::string fontKind = kFontKindFont;
    std::string fontName;
    std::int32_t fontSize = 10;
    std::int32_t color = 0;
    std::int32_t shadow = 0;
    std::int32_t shadowColor = 0;
    std::int32_t bold = 0;
    std::int32_t italic = 0;
};

enum class BarKind : int { Volume, Seek, Pan, Pitch, Count };
inline constexpr int kBarCount = static_cast<int>(BarKind::Count);

struct SkinBarStyle {
    SkinRect rect;
    std::string toolTip;
    std::string type;
    std::string direction = "HORIZONTAL";
    std::int32_t knobWidth = 0;
    std::int32_t knobHeight = 0;
    std::int32_t autoReset = 0;
    Picture knob;
    Picture knobPressed;
    Picture track;
};

enum class MainButton : int {
    Close,
    Minimize,
    Stop,
    Pause,
    NextSong,
    PreviousSong,
    Play,
    Open,
    PlayList,
    About,
    Config,
    Loop,
    Random,
    NonStopMegaMix,
    ChangeSkin,
    Count
};
inline constexpr int kMainButtonCount = static_cast<int>(MainButton::Count);
inline constexpr int kPlayListButtonCount = 19;
inline constexpr int kPlayListChangeSkinButton = 18;
inline constexpr int kPlayListLinkButton = 10;

struct SkinDefinition {
    std::string sourcePath;
    std::string skinName;
    std::array<std::string, 5> aboutLines;
    std::int32_t aboutCount = 0;

    // Faces.
    Picture mainFace;
    Picture mainPressed;
    Picture mainInactive;
    Picture playListFace;
    Picture playListPressed;
    Picture playListScrollKnob;
    Picture playListScrollKnobPressed;
    bool mainBitmapLoaded = false;
    bool mainPressedLoaded = false;
    bool spectrumFieldSet = false;
    bool playListMainLoaded = false;
    bool playListPressedLoaded = false;

    std::array<SkinButton, kMainButtonCount> mainButtons;
    std::array<SkinButton, kPlayListButtonCount> playListButtons;
    SkinTargetList skinTargets;
    SkinTargetList playListSkinTargets;

    std::array<SkinTextStyle, kTextFieldCount> textStyles;
    Picture songInfoMask;
    std::string songInfoMaskPath;

    std::array<SkinBarStyle, kBarCount> bars;

    Picture fontBitmap;
    std::int32_t fontCellWidth = 0;
    std::int32_t fontCellHeight = 0;
    std::int32_t fontTransparent = 0;
    Picture timeFontBitmap;
    std::int32_t timeFontCellWidth = 0;
    std::int32_t timeFontCellHeight = 0;
    std::int32_t timeFontTransparent = 0;

    // Playlist window.
    SkinRect playListTextRect;
    std::string playListFontName;
    std::int32_t playListFontSize = 10;
    std::int32_t playListFontColor = 0;
    std::int32_t playListRectColor = 0;
    std::int32_t playListRectFontColor = 0;
    std::int32_t playListCurrentTrackColor = 0;
    std::int32_t playListRectAlpha = 255;
    SkinRegion playListScrollField;

    // Visualisation.
    SkinRegion spectrumField;
    bool analyzerAreaPlaced = false;
    Picture spectrumPattern;
    std::string spectrumPatternPath;
    std::int32_t spectrumPatternType = 0;
    std::int32_t spectrumPeakColor = kSkinWhite;
    std::int32_t oscilloscopeColor = -1;
    std::int32_t oscilloscopeWidth = -1;

    SkinRegionList monoWindowRegions;
    SkinRegionList stereoWindowRegions;
    std::vector<SkinToolTip> customToolTips;
    std::vector<SkinToolTip> playListCustomToolTips;

    std::array<SkinPoint, 4> linkPoints;
    std::int32_t linkPointCount = 0;
    std::int32_t dockPosition = -1;
    SkinPoint dockPositionXY;
    // A "PlayListInitXY" statement asks for the playlist window to be placed
    // relative to the main window once the skin is applied.
    bool playListInitPlacement = false;

    SkinTextStyle& Style(TextField field) { return textStyles[static_cast<int>(field)]; }
    const SkinTextStyle& Style(TextField field) const {
        return textStyles[static_cast<int>(field)];
    }
    SkinBarStyle& Bar(BarKind bar) { return bars[static_cast<int>(bar)]; }
    const SkinBarStyle& Bar(BarKind bar) const { return bars[static_cast<int>(bar)]; }
    const SkinButton& Main(MainButton button) const {
        return mainButtons[static_cast<int>(button)];
    }
};

// Puts the main-window part of the record back to its defaults; font names
// become `defaultFontName` (the resolved form of an empty name).
void ResetMainSkin(SkinDefinition& skin, const std::string& defaultFontName);
void ResetPlayListSkin(SkinDefinition& skin, const std::string& defaultFontName);
// The values every application resets before parsing besides the two parts:
// dock values, the analyzer area, About lines, link points and skin name.
void ResetSkinExtras(SkinDefinition& skin);

} // namespace vantor
