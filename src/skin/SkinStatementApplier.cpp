#include "skin/SkinStatementApplier.h"

#include "base/Paths.h"
#include "base/ShownText.h"
#include "base/StringUtil.h"

#include <algorithm>

namespace vantor {
namespace {

// Coordinates and sizes from a file are kept within bounds no real skin
// reaches, so that no arithmetic on them can overflow.
constexpr std::int32_t kMaxCoordinate = 1 << 24;
constexpr std::int32_t kMaxExtent = 65535;

std::int32_t Coordinate(std::int32_t value) {
    return std::clamp(value, -kMaxCoordinate, kMaxCoordinate);
}

std::int32_t Extent(std::int32_t value) {
    return std::clamp(value, -kMaxExtent, kMaxExtent);
}

SkinRect RectOf(const SkinLine& line) {
    return {Coordinate(SkinNumber(line.field1)), Coordinate(line.field2), Coordinate(line.field3),
            Coordinate(line.field4)};
}

// A component is read as a 16-bit number; above 255 counts as 255. Negative
// components, which the format never allowed, count as 0 instead of failing.
std::int32_t Component(std::int32_t value) {
    return std::clamp(value, 0, 255);
}

std::int32_t ColourOf(const SkinLine& line) {
    return Component(SkinNumber(line.field1)) | (Component(line.field2) << 8) |
           (Component(line.field3) << 16);
}

// Counters that start below their first slot and stay on the last one once
// full, so that later statements overwrite it.
std::int32_t Advance(std::int32_t counter, std::int32_t last) {
    return std::min(counter + 1, last);
}

void FillRegion(SkinRegionList& list, const SkinLine& line) {
    list.count = Advance(list.count, 2);
    list.regions[list.count].rect = RectOf(line);
    list.regions[list.count].toolTip = line.field5;
}

void FillButton(SkinButton& button, const SkinLine& line, bool changeSkin) {
    button.regionCount = Advance(button.regionCount, 2);
    SkinRegion& region = button.regions[button.regionCount];
    region.rect = RectOf(line);
    if (!changeSkin) {
        region.toolTip = line.field5;
        return;
    }
    // The tooltip ends in a space and the digit of the target skin.
    std::int32_t target = 0;
    const std::size_t length = Utf8Length(line.field5);
    if (length >= 2) {
        region.toolTip = Utf8Left(line.field5, length - 2);
        target = SkinNumber(Utf8Mid(line.field5, length - 1));
    } else {
        target = SkinNumber(line.field5);
    }
    region.target = static_cast<std::int16_t>(std::clamp(target, 0, 2));
}

void AddTarget(SkinTargetList& list, const std::string& text, const std::string& declaringFile) {
    list.count = Advance(list.count, 2);
    list.entries[list.count] = {text, declaringFile};
}

Picture* PictureSlot(SkinDefinition& skin, SkinBitmapSlot slot) {
    auto bar = [&](BarKind kind) -> SkinBarStyle& { return skin.Bar(kind); };
    switch (slot) {
    case SkinBitmapSlot::MainFace:
        return &skin.mainFace;
    case SkinBitmapSlot::MainPressed:
        return &skin.mainPressed;
    case SkinBitmapSlot::MainInactive:
        return &skin.mainInactive;
    case SkinBitmapSlot::VolumeKnob:
        return &bar(BarKind::Volume).knob;
    case SkinBitmapSlot::VolumeKnobPressed:
        return &bar(BarKind::Volume).knobPressed;
    case SkinBitmapSlot::VolumeTrack:
        return &bar(BarKind::Volume).track;
    case SkinBitmapSlot::SeekKnob:
        return &bar(BarKind::Seek).knob;
    case SkinBitmapSlot::SeekKnobPressed:
        return &bar(BarKind::Seek).knobPressed;
    case SkinBitmapSlot::SeekTrack:
        return &bar(BarKind::Seek).track;
    case SkinBitmapSlot::PanKnob:
        return &bar(BarKind::Pan).knob;
    case SkinBitmapSlot::PanKnobPressed:
        return &bar(BarKind::Pan).knobPressed;
    case SkinBitmapSlot::PanTrack:
        return &bar(BarKind::Pan).track;
    case SkinBitmapSlot::PitchKnob:
        return &bar(BarKind::Pitch).knob;
    case SkinBitmapSlot::PitchKnobPressed:
        return &bar(BarKind::Pitch).knobPressed;
    case SkinBitmapSlot::PitchTrack:
        return &bar(BarKind::Pitch).track;
    case SkinBitmapSlot::TimeFont:
        return &skin.timeFontBitmap;
    case SkinBitmapSlot::GeneralFont:
        return &skin.fontBitmap;
    case SkinBitmapSlot::SongInfoMask:
        return &skin.songInfoMask;
    case SkinBitmapSlot::SpectrumPattern:
        return &skin.spectrumPattern;
    case SkinBitmapSlot::PlayListFace:
        return &skin.playListFace;
    case SkinBitmapSlot::PlayListPressed:
        return &skin.playListPressed;
    case SkinBitmapSlot::PlayListScrollKnob:
        return &skin.playListScrollKnob;
    case SkinBitmapSlot::PlayListScrollKnobPressed:
        return &skin.playListScrollKnobPressed;
    }
    return nullptr;
}

void MarkLoaded(SkinDefinition& skin, SkinBitmapSlot slot) {
    if (slot == SkinBitmapSlot::MainFace)
        skin.mainBitmapLoaded = true;
    else if (slot == SkinBitmapSlot::MainPressed)
        skin.mainPressedLoaded = true;
    else if (slot == SkinBitmapSlot::PlayListFace)
        skin.playListMainLoaded = true;
    else if (slot == SkinBitmapSlot::PlayListPressed)
        skin.playListPressedLoaded = true;
}

} // namespace

SkinStatementApplier::SkinStatementApplier(SkinDefinition& skin, Settings& settings,
                                           const SkinServices& services,
                                           const SkinFileReader& reader)
    : m_skin(skin), m_settings(settings), m_services(services), m_reader(reader) {}

void SkinStatementApplier::OnMissingFile(const std::string&) {
    m_services.messages.Show(kSkinInvalidMessage, kPlayerTitle, MessageIcon::Critical);
}

void SkinStatementApplier::OnUnknownKeyword(const SkinFileContext& file, int lineNumber,
                                            const std::string& lowerKeyword) {
    const std::string text =
        FileNameOf(file.path) + "\r\n" +
        ComposeText(kUnknownSkinCommandText, {std::to_string(lineNumber), lowerKeyword});
    m_services.messages.Show(text, kSkinCoreTitle, MessageIcon::Information);
}

void SkinStatementApplier::OnStatement(const SkinKeyword& keyword, const SkinLine& line,
                                       const SkinFileContext& file) {
    if (ApplyPictureStatement(keyword, line, file) || ApplyButtonStatement(keyword, line, file) ||
        ApplyTextStyleStatement(keyword, line) || ApplyBarStatement(keyword, line) ||
        ApplyPlayListStatement(keyword, line) || ApplyVisualStatement(keyword, line))
        return;
    ApplyWindowStatement(keyword, line);
}

void SkinStatementApplier::LoadBitmap(SkinBitmapSlot slot, const std::string& path) {
    Picture picture = m_services.pictures.LoadPicture(path);
    if (!picture)
        return;
    *PictureSlot(m_skin, slot) = std::move(picture);
    MarkLoaded(m_skin, slot);
}

bool SkinStatementApplier::ApplyPictureStatement(const SkinKeyword& keyword, const SkinLine& line,
                                                 const SkinFileContext& file) {
    if (keyword.action != SkinAction::Bitmap)
        return false;
    const auto slot = static_cast<SkinBitmapSlot>(keyword.arg);
    const std::string path = m_reader.ResolvePath(line.rest, file.folder);
    if (path.empty())
        return true;
    if (slot == SkinBitmapSlot::SongInfoMask)
        m_skin.songInfoMaskPath = path;
    if (slot == SkinBitmapSlot::SpectrumPattern) {
        m_skin.spectrumPatternPath = path;
        if (m_settings.IgnoreSkinAnalyzerPattern != 0)
            return true;
    }
    LoadBitmap(slot, path);
    return true;
}

bool SkinStatementApplier::ApplyButtonStatement(const SkinKeyword& keyword, const SkinLine& line,
                                                const SkinFileContext& file) {
    switch (keyword.action) {
    case SkinAction::MainButtonRect:
        FillButton(m_skin.mainButtons[keyword.arg], line,
                   keyword.arg == static_cast<int>(MainButton::ChangeSkin));
        return true;
    case SkinAction::PlayListButtonRect:
        FillButton(m_skin.playListButtons[keyword.arg], line,
                   keyword.arg == kPlayListChangeSkinButton);
        return true;
    case SkinAction::SetTarget:
        AddTarget(keyword.arg == 0 ? m_skin.skinTargets : m_skin.playListSkinTargets, line.rest,
                  file.path);
        return true;
    default:
        return false;
    }
}

bool SkinStatementApplier::ApplyTextStyleStatement(const SkinKeyword& keyword,
                                                   const SkinLine& line) {
    const auto field = static_cast<TextField>(keyword.arg);
    SkinTextStyle& style =
        m_skin
            .textStyles[static_cast<std::size_t>(std::clamp(keyword.arg, 0, kTextFieldCount - 1))];
    switch (keyword.action) {
    case SkinAction::TextFieldRect:
        style.rect = RectOf(line);
        if (field == TextField::SongInfo)
            style.toolTip = line.field5;
        return true;
    case SkinAction::FontType:
        if (AsciiUpper(line.field1) == kFontKindBitmap)
            style.fontKind = kFontKindBitmap;
        return true;
    case SkinAction::FontName:
        style.fontName = m_services.fonts.ResolveFontName(line.rest);
        return true;
    case SkinAction::FontSize:
        style.fontSize = SkinNumber(line.field1);
        return true;
    case SkinAction::FontColor:
        style.color = ColourOf(line);
        return true;
    case SkinAction::FontShadow:
        style.shadow = SkinNumber(line.field1);
        return true;
    case SkinAction::FontShadowColor:
        style.shadowColor = ColourOf(line);
        return true;
    case SkinAction::FontBold:
        style.bold = SkinNumber(line.field1);
        return true;
    case SkinAction::FontItalic:
        style.italic = SkinNumber(line.field1);
        return true;
    case SkinAction::TimeFontBitmapSize:
        m_skin.timeFontCellWidth = Extent(SkinNumber(line.field1));
        m_skin.timeFontCellHeight = Extent(line.field2);
        return true;
    case SkinAction::TimeFontTransparent:
        m_skin.timeFontTransparent = SkinNumber(line.field1);
        return true;
    default:
        return false;
    }
}

bool SkinStatementApplier::ApplyBarStatement(const SkinKeyword& keyword, const SkinLine& line) {
    SkinBarStyle& bar =
        m_skin.bars[static_cast<std::size_t>(std::clamp(keyword.arg, 0, kBarCount - 1))];
    switch (keyword.action) {
    case SkinAction::BarField:
        bar.rect = RectOf(line);
        bar.toolTip = line.field5;
        return true;
    case SkinAction::BarType:
        bar.type = AsciiUpper(line.field1);
        return true;
    case SkinAction::BarDirection:
        bar.direction = AsciiUpper(line.field1);
        return true;
    case SkinAction::BarKnobSize:
        bar.knobWidth = Extent(SkinNumber(line.field1));
        bar.knobHeight = Extent(line.field2);
        return true;
    case SkinAction::BarAutoReset:
        bar.autoReset = SkinNumber(line.field1);
        return true;
    default:
        return false;
    }
}

bool SkinStatementApplier::ApplyPlayListStatement(const SkinKeyword& keyword,
                                                  const SkinLine& line) {
    switch (keyword.action) {
    case SkinAction::PlayListTextField:
        m_skin.playListTextRect = RectOf(line);
        return true;
    case SkinAction::PlayListFontName:
        m_skin.playListFontName = line.rest;
        return true;
    case SkinAction::PlayListFontSize:
        m_skin.playListFontSize = SkinNumber(line.field1);
        return true;
    case SkinAction::PlayListColor: {
        std::int32_t* colours[] = {&m_skin.playListFontColor, &m_skin.playListRectColor,
                                   &m_skin.playListRectFontColor,
                                   &m_skin.playListCurrentTrackColor};
        *colours[std::clamp(keyword.arg, 0, 3)] = ColourOf(line);
        return true;
    }
    case SkinAction::PlayListRectAlpha: {
        const std::int32_t alpha = SkinNumber(line.field1);
        m_skin.playListRectAlpha = (alpha < 0 || alpha > 255) ? 255 : alpha;
        return true;
    }
    case SkinAction::PlayListScrollField:
        m_skin.playListScrollField = {RectOf(line), line.field5, 0};
        return true;
    case SkinAction::CustomToolTip:
        (keyword.arg == 0 ? m_skin.customToolTips : m_skin.playListCustomToolTips)
            .push_back({RectOf(line), line.field5});
        return true;
    default:
        return false;
    }
}

bool SkinStatementApplier::ApplyVisualStatement(const SkinKeyword& keyword, const SkinLine& line) {
    const std::int32_t number = SkinNumber(line.field1);
    switch (keyword.action) {
    case SkinAction::SpectrumField:
        m_skin.spectrumField = {RectOf(line), line.field5, 0};
        m_skin.spectrumFieldSet = true;
        m_skin.analyzerAreaPlaced = true;
        return true;
    case SkinAction::SpectrumPeakColor:
        m_skin.spectrumPeakColor = ColourOf(line);
        return true;
    case SkinAction::SpectrumPatternType:
        m_skin.spectrumPatternType = (number == 0 || number == 1) ? number : 0;
        return true;
    case SkinAction::SetAnalyzerPattern:
        if (number >= 0 && number <= 14)
            m_settings.AnalyzerPattern = number;
        return true;
    case SkinAction::OscilloscopeColor:
        m_skin.oscilloscopeColor = ColourOf(line);
        return true;
    case SkinAction::OscilloscopeWidth:
        m_skin.oscilloscopeWidth = number < 1 ? -1 : number;
        return true;
    default:
        return false;
    }
}

void SkinStatementApplier::ApplyWindowStatement(const SkinKeyword& keyword, const SkinLine& line) {
    const std::int32_t number = SkinNumber(line.field1);
    switch (keyword.action) {
    case SkinAction::SongModeWindowField:
        FillRegion(keyword.arg == 0 ? m_skin.monoWindowRegions : m_skin.stereoWindowRegions, line);
        break;
    case SkinAction::FontCellSize:
        m_skin.fontCellWidth = Extent(number);
        m_skin.fontCellHeight = Extent(line.field2);
        break;
    case SkinAction::FontTransparent:
        m_skin.fontTransparent = number;
        break;
    case SkinAction::PlayListLinkXY:
        m_skin.linkPoints[static_cast<std::size_t>(std::clamp(m_skin.linkPointCount, 0, 3))] = {
            Coordinate(number), Coordinate(line.field2)};
        m_skin.linkPointCount = Advance(m_skin.linkPointCount, 3);
        break;
    case SkinAction::PlayListInitXY:
        m_settings.PlayListLinkMode = 1;
        m_settings.PlayListLinkX = number;
        m_settings.PlayListLinkY = line.field2;
        m_skin.playListInitPlacement = true;
        break;
    case SkinAction::DockPosition:
        m_skin.dockPosition = (number >= 0 && number <= 3) ? number : 0;
        break;
    case SkinAction::DockPositionXY:
        m_skin.dockPositionXY = {Coordinate(number), Coordinate(line.field2)};
        break;
    case SkinAction::SkinName:
        m_skin.skinName = line.rest;
        break;
    case SkinAction::About:
        m_skin.aboutLines[static_cast<std::size_t>(std::clamp(m_skin.aboutCount, 0, 4))] =
            line.rest;
        m_skin.aboutCount = Advance(m_skin.aboutCount, 4);
        break;
    default:
        break;
    }
}

} // namespace vantor
