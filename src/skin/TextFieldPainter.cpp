#include "skin/TextFieldPainter.h"

#include "gfx/Blit.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr std::string_view kMultiplicationSign = "×";

bool CopiesIntoPressedFace(TextField field) {
    return field == TextField::SongFormat || field == TextField::SongKbps ||
           field == TextField::SongKhz || field == TextField::SongMode;
}

} // namespace

TextFont FontOf(const SkinTextStyle& style) {
    return {style.fontName, style.fontSize, style.bold != 0, style.italic != 0};
}

GlyphSheet TimeGlyphs(const SkinDefinition& skin) {
    return {skin.timeFontBitmap.get(), skin.timeFontCellWidth, skin.timeFontCellHeight,
            skin.timeFontTransparent != 0};
}

GlyphSheet GeneralGlyphs(const SkinDefinition& skin) {
    return {skin.fontBitmap.get(), skin.fontCellWidth, skin.fontCellHeight,
            skin.fontTransparent != 0};
}

TextField ValueFieldOf(BarKind bar) {
    switch (bar) {
    case BarKind::Pan:
        return TextField::PanVal;
    case BarKind::Pitch:
        return TextField::PitchVal;
    default:
        return TextField::VolumeVal;
    }
}

TextFieldPainter::TextFieldPainter(const SkinDefinition& skin, SkinSurfaces& surfaces,
                                   TextPainter& painter)
    : m_skin(skin), m_surfaces(surfaces), m_painter(painter) {}

gfx::Surface WorkSurfaceFor(const SkinRect& rect, const gfx::Surface& face) {
    return gfx::Surface(std::min(rect.Width(), face.Width()),
                        std::min(rect.Height(), face.Height()));
}

void PrepareFieldSurfaces(const SkinDefinition& skin, SkinSurfaces& surfaces) {
    for (int field = 0; field < kTextFieldCount; ++field)
        surfaces.fields[field] = WorkSurfaceFor(skin.textStyles[field].rect, surfaces.face);
    surfaces.timeShown.Forget();
    surfaces.playListTimeShown.Forget();
}

void TextFieldPainter::DrawFontText(gfx::Surface& target, const SkinTextStyle& style,
                                    const std::string& text) {
    const TextFont font = FontOf(style);
    if (style.shadow == 1)
        m_painter.DrawText(target, {1, 1}, target.Bounds(), font,
                           gfx::FromColorRef(static_cast<std::uint32_t>(style.shadowColor)), text);
    m_painter.DrawText(target, {0, 0}, target.Bounds(), font,
                       gfx::FromColorRef(static_cast<std::uint32_t>(style.color)), text);
}

void TextFieldPainter::ComposeField(TextField field, const std::string& text) {
    const SkinTextStyle& style = m_skin.Style(field);
    gfx::Surface& work = m_surfaces.fields[static_cast<int>(field)];
    if (work.IsEmpty())
        return;
    gfx::Blit(work, {0, 0}, m_surfaces.FaceShown(), ToGfx(style.rect));
    if (style.fontKind != kFontKindBitmap)
        DrawFontText(work, style, text);
    else if (field == TextField::Time)
        DrawTimeFontText(work, {0, 0}, TimeGlyphs(m_skin), text);
    else
        DrawGeneralFontText(work, {0, 0}, GeneralGlyphs(m_skin), text);
    const gfx::Point at{style.rect.left, style.rect.top};
    gfx::Blit(m_surfaces.mainWindow, at, work, work.Bounds());
    if (CopiesIntoPressedFace(field))
        gfx::Blit(m_surfaces.pressedFace, at, work, work.Bounds());
}

gfx::Rect TextFieldPainter::ComposedArea(TextField field) const {
    const SkinRect& rect = m_skin.Style(field).rect;
    const gfx::Surface& work = m_surfaces.fields[static_cast<int>(field)];
    return gfx::Rect::FromSize(rect.left, rect.top, work.Width(), work.Height());
}

gfx::Rect TextFieldPainter::PlayListTextArea(TextField field) const {
    // The shadow lies one pixel right of and below the field.
    const gfx::Rect rect = ToGfx(m_skin.Style(field).rect);
    return {rect.left, rect.top, rect.right + 1, rect.bottom + 1};
}

void TextFieldPainter::DrawTimeText(const std::string& text) {
    DrawUnlessShown(m_surfaces.timeShown, m_surfaces.mainWindow, ComposedArea(TextField::Time),
                    text, [&] { ComposeField(TextField::Time, text); });
    DrawUnlessShown(m_surfaces.playListTimeShown, m_surfaces.playListWindow,
                    PlayListTextArea(TextField::PlayListTime), text, [&] {
                        std::string playListText = text;
                        DrawPlayListText(TextField::PlayListTime, playListText);
                    });
}

void TextFieldPainter::DrawInfoText(TextField field, const std::string& text) {
    ComposeField(field, text);
}

void TextFieldPainter::DrawValueText(BarKind bar, const std::string& text) {
    const TextField field = ValueFieldOf(bar);
    // The glyph sheet covers the legacy range from the space on only.
    const bool dropSign = m_skin.Style(field).fontKind == kFontKindBitmap &&
                          std::string_view(text).starts_with(kMultiplicationSign);
    ComposeField(field, dropSign ? text.substr(kMultiplicationSign.size()) : text);
}

void TextFieldPainter::DrawPlayListText(TextField field, std::string& text, bool keepWhole) {
    if (!keepWhole) {
        const auto space = text.find(' ');
        if (space != std::string::npos)
            text.erase(space);
    }
    const SkinTextStyle& style = m_skin.Style(field);
    const gfx::Rect rect = ToGfx(style.rect);
    gfx::Blit(m_surfaces.playListWindow, {rect.left, rect.top}, m_surfaces.playListFace, rect);
    const TextFont font = FontOf(style);
    if (style.shadow != 0) {
        const gfx::Rect moved = rect.Offset(1, 1);
        m_painter.DrawText(m_surfaces.playListWindow, {moved.left, moved.top}, moved, font,
                           gfx::FromColorRef(static_cast<std::uint32_t>(style.shadowColor)), text);
    }
    m_painter.DrawText(m_surfaces.playListWindow, {rect.left, rect.top}, rect, font,
                       gfx::FromColorRef(static_cast<std::uint32_t>(style.color)), text);
}

void TextFieldPainter::ComposeSongInfo(gfx::Surface& work) {
    const gfx::Rect rect = ToGfx(m_skin.Style(TextField::SongInfo).rect);
    const gfx::Point at{rect.left, rect.top};
    if (!m_surfaces.songInfoMaskLoaded) {
        gfx::Blit(m_surfaces.mainWindow, at, work, work.Bounds());
        return;
    }
    const gfx::Surface& mask = m_surfaces.songInfoMask;
    for (int y = 0; y < work.Height(); ++y) {
        for (int x = 0; x < work.Width(); ++x) {
            if (mask.GetPixel(x, y) == gfx::kWhite)
                work.SetPixel(x, y, gfx::kWhite);
        }
    }
    gfx::Blit(m_surfaces.mainWindow, at, m_surfaces.FaceShown(), rect);
    gfx::TransparentBlit(m_surfaces.mainWindow, at, work, work.Bounds(), gfx::kWhite);
}

} // namespace vantor
