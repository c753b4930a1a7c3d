#include "visual/SongInfoDisplay.h"

#include "gfx/Blit.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr int kBlockWidth = 8;
constexpr std::int32_t kRevealStart = 40;
constexpr int kPictureMargin = 10;

gfx::Pixel ColourOf(std::int32_t colorRef) {
    return gfx::FromColorRef(static_cast<std::uint32_t>(colorRef));
}

} // namespace

std::string RemovePrefixMarks(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

TextFont SongInfoFontInForce(const SkinDefinition& skin, const Settings& settings) {
    if (settings.IgnoreSkinFontConfig == 1)
        return {settings.SongInfoFontName, settings.SongInfoFontSize,
                settings.SongInfoFontBold != 0, settings.SongInfoFontItalic != 0};
    return FontOf(skin.Style(TextField::SongInfo));
}

gfx::Pixel SongInfoColourInForce(const SkinDefinition& skin, const Settings& settings) {
    return ColourOf(settings.IgnoreSkinFontConfig == 1 ? settings.SongInfoFontColor
                                                       : skin.Style(TextField::SongInfo).color);
}

SongInfoDisplay::SongInfoDisplay(const SkinDefinition& skin, SkinSurfaces& surfaces,
                                 const Settings& settings, TextPainter& painter,
                                 TextFieldPainter& fields)
    : m_skin(skin), m_surfaces(surfaces), m_settings(settings), m_painter(painter),
      m_fields(fields) {}

void SongInfoDisplay::PrepareTextPicture(const std::string& text) {
    const SkinRect& field = m_skin.Style(TextField::SongInfo).rect;
    const TextFont font = SongInfoFontInForce(m_skin, m_settings);
    const std::string shown = RemovePrefixMarks(text);
    const int width = m_painter.MeasureText(font, shown).width + kPictureMargin;
    // Magenta stands for "no text" so that strips and copies of the picture
    // leave the face under them visible.
    m_surfaces.songInfoText =
        gfx::Surface(width, std::min(field.Height(), m_surfaces.face.Height()), gfx::kMagenta);
    const SkinTextStyle& style = m_skin.Style(TextField::SongInfo);
    const gfx::Rect all = m_surfaces.songInfoText.Bounds();
    if (style.shadow != 0)
        m_painter.DrawText(m_surfaces.songInfoText, {1, 1}, all, font, ColourOf(style.shadowColor),
                           shown);
    m_painter.DrawText(m_surfaces.songInfoText, {0, 0}, all, font,
                       SongInfoColourInForce(m_skin, m_settings), shown);
    m_surfaces.songInfoFont = font;
    m_surfaces.songInfoTextHeight = m_painter.MeasureText(font, "あ").height;

    m_state.fieldWidth = field.Width();
    m_state.fieldHeight = field.Height();
    m_state.textTop = (m_state.fieldHeight - m_surfaces.songInfoTextHeight) / 2;
    m_state.revealCounter = 0;
    m_state.offsetA = kRevealStart;
    m_state.offsetB = kRevealStart + width;
    m_state.textWidth = width;
    m_state.textHeight = m_surfaces.songInfoText.Height();
}

void SongInfoDisplay::DrawSongInfo(const std::string& line, bool force) {
    // Two copies one after the other, so that the scrolling never shows a seam.
    ShowText(line + line, force);
}

void SongInfoDisplay::ShowText(const std::string& text, bool force) {
    if (text == m_lastText && !force)
        return;
    const SkinRect& field = m_skin.Style(TextField::SongInfo).rect;
    gfx::Blit(m_surfaces.mainWindow, {field.left, field.top}, m_surfaces.FaceShown(), ToGfx(field));
    PrepareTextPicture(text);
    m_lastText = text;
    if (m_settings.SongInformationScrollDisable == 0) {
        m_state.revealDone = false;
        return;
    }
    ShowOnce();
}

void SongInfoDisplay::DrawIdleText() {
    ShowText(kIdleSongText, true);
}

void SongInfoDisplay::Redraw() {
    if (!m_lastText.empty())
        ShowText(m_lastText, true);
}

void SongInfoDisplay::ShowOnce() {
    const SkinRect& field = m_skin.Style(TextField::SongInfo).rect;
    m_surfaces.songInfoWork = WorkSurfaceFor(field, m_surfaces.face);
    gfx::Blit(m_surfaces.songInfoWork, {0, 0}, m_surfaces.FaceShown(), ToGfx(field));
    gfx::TransparentBlit(m_surfaces.songInfoWork, {0, m_state.textTop}, m_surfaces.songInfoText,
                         m_surfaces.songInfoText.Bounds(), gfx::kMagenta);
    m_fields.ComposeSongInfo(m_surfaces.songInfoWork);
}

void SongInfoDisplay::PrepareWork() {
    const SkinRect& field = m_skin.Style(TextField::SongInfo).rect;
    gfx::Surface& work = m_surfaces.songInfoWork;
    if (work.IsEmpty())
        work = WorkSurfaceFor(field, m_surfaces.face);
    gfx::Blit(work, {0, 0}, m_surfaces.FaceShown(), ToGfx(field));
    const gfx::Surface& picture = m_surfaces.songInfoText;
    for (const int offset : {m_state.offsetA, m_state.offsetB})
        gfx::TransparentBlit(work, {offset, m_state.textTop}, picture, picture.Bounds(),
                             gfx::kMagenta);
}

void SongInfoDisplay::CopyStrip(int sourceX, int sourceY, int width, int height) {
    const int left = sourceX + m_state.offsetA;
    if (width <= 0 || left + width > m_state.fieldWidth)
        return;
    const SkinRect& field = m_skin.Style(TextField::SongInfo).rect;
    const gfx::Rect to =
        gfx::Intersect(gfx::Rect::FromSize(field.left + left, field.top + m_state.textTop + sourceY,
                                           width, height),
                       ToGfx(field));
    if (to.IsEmpty())
        return;
    const gfx::Rect from =
        gfx::Rect::FromSize(sourceX, to.top - field.top - m_state.textTop, to.Width(), to.Height());
    gfx::TransparentBlit(m_surfaces.mainWindow, {to.left, to.top}, m_surfaces.songInfoText, from,
                         gfx::kMagenta);
}

void SongInfoDisplay::RevealStep() {
    const SkinRect& field = m_skin.Style(TextField::SongInfo).rect;
    // Every step redraws all strips so far on a clean field, so the text
    // builds up without smearing while it slides in.
    gfx::Blit(m_surfaces.mainWindow, {field.left, field.top}, m_surfaces.FaceShown(), ToGfx(field));
    const int c = m_state.revealCounter;
    const int blocks = m_state.textWidth / kBlockWidth;
    // Every strip lands where the whole text would, so their order does not
    // change the pixels; the whole-height ones go first, onto the clean field,
    // so that they carry the text's mark with the field as its background.
    for (int k = 0; k <= c - 6 && k < blocks; ++k)
        CopyStrip(kBlockWidth * k, 0, c - k - 6, m_state.textHeight);
    for (int k = 0; k < blocks && k <= c; ++k) {
        for (int y = 0; y < m_state.textHeight; ++y) {
            if (y % 3 == 0)
                CopyStrip(kBlockWidth * k, y, c - k, 1);
            else if (y % 3 == 1 && k <= c - 3)
                CopyStrip(kBlockWidth * k, y, c - k - 3, 1);
        }
    }
    if (c - m_state.fieldWidth / kBlockWidth - 6 >= kBlockWidth) {
        m_state.revealDone = true;
        m_state.offsetA += 1;
        m_state.offsetB += 1;
    }
    m_state.revealCounter += 1;
}

void SongInfoDisplay::Scroll() {
    m_state.offsetA -= 1;
    m_state.offsetB -= 1;
    if (m_state.offsetA < -m_state.textWidth)
        m_state.offsetA = m_state.offsetB + m_state.textWidth;
    if (m_state.offsetB < -m_state.textWidth)
        m_state.offsetB = m_state.offsetA + m_state.textWidth;
}

void SongInfoDisplay::SongInfoTick() {
    if (m_settings.SongInformationScrollDisable == 1 || m_surfaces.songInfoText.IsEmpty())
        return;
    if (m_state.revealDone) {
        PrepareWork();
        m_fields.ComposeSongInfo(m_surfaces.songInfoWork);
    } else {
        RevealStep();
        PrepareWork();
    }
    Scroll();
}

} // namespace vantor
