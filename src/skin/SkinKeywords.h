// The vocabulary of skin definition files: every keyword with the action it
// performs and the slot it acts on. Constant data; any thread.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace vantor {

enum class SkinAction {
    Bitmap,             // arg: SkinBitmapSlot
    MainButtonRect,     // arg: main button index
    PlayListButtonRect, // arg: playlist button index
    SetTarget,          // arg: 0 main window, 1 playlist window
    TextFieldRect,      // arg: TextField
    FontType,           // arg: TextField
    FontName,           // arg: TextField
    FontSize,           // arg: TextField
    FontColor,          // arg: TextField
    FontShadow,         // arg: TextField
    FontShadowColor,    // arg: TextField
    FontBold,           // arg: TextField
    FontItalic,         // arg: TextField
    TimeFontBitmapSize,
    TimeFontTransparent,
    BarField,     // arg: BarKind
    BarType,      // arg: BarKind
    BarDirection, // arg: BarKind
    BarKnobSize,  // arg: BarKind
    BarAutoReset, // arg: BarKind
    PlayListTextField,
    PlayListFontName,
    PlayListFontSize,
    PlayListColor, // arg: SkinColorSlot
    PlayListRectAlpha,
    PlayListScrollField,
    CustomToolTip, // arg: 0 main window, 1 playlist window
    SpectrumField,
    SpectrumPeakColor,
    SpectrumPatternType,
    SetAnalyzerPattern,
    OscilloscopeColor,
    OscilloscopeWidth,
    SongModeWindowField, // arg: 0 mono, 1 stereo
    FontCellSize,
    FontTransparent,
    PlayListLinkXY,
    PlayListInitXY,
    DockPosition,
    DockPositionXY,
    SkinName,
    About,
    IncludeDVK,
};

enum class SkinBitmapSlot {
    MainFace,
    MainPressed,
    MainInactive,
    VolumeKnob,
    VolumeKnobPressed,
    VolumeTrack,
    SeekKnob,
    SeekKnobPressed,
    SeekTrack,
    PanKnob,
    PanKnobPressed,
    PanTrack,
    PitchKnob,
    PitchKnobPressed,
    PitchTrack,
    TimeFont,
    GeneralFont,
    SongInfoMask,
    SpectrumPattern,
    PlayListFace,
    PlayListPressed,
    PlayListScrollKnob,
    PlayListScrollKnobPressed,
};

enum class SkinColorSlot { ListText, SelectionRect, SelectionText, CurrentTrack };

struct SkinKeyword {
    std::string_view name;
    SkinAction action;
    int arg = 0;
};

// All keywords in the order of the format's documentation.
std::span<const SkinKeyword> SkinKeywordTable();

// The entry whose name equals `keyword` ignoring case, or nullptr.
const SkinKeyword* FindSkinKeyword(std::string_view keyword);

} // namespace vantor
