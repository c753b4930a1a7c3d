#include "skin/SkinApplication.h"

#include "base/Paths.h"
#include "gfx/Blit.h"
#include "skin/SkinLoader.h"

#include <optional>

namespace vantor {
namespace {

// A picture placed on a surface of the given size; parts it does not cover
// stay black, as a fresh bitmap of that size would be.
gfx::Surface SizedCopy(const Picture& picture, int width, int height) {
    gfx::Surface surface(width, height);
    if (picture)
        gfx::Blit(surface, {0, 0}, *picture, picture->Bounds());
    return surface;
}

bool IsKnownType(const std::string& type) {
    return type == "NORMAL" || type == "ADVANCE" || type == "BAR";
}

// The link point of the skin the playlist window is docked at, if any.
std::optional<std::size_t> DockedLinkPoint(const SkinDefinition& skin, const Settings& settings) {
    if (settings.PlayListLinkMode != 1)
        return std::nullopt;
    for (std::size_t i = 0; i < skin.linkPoints.size(); ++i) {
        const SkinPoint& point = skin.linkPoints[i];
        if (point.IsSet() && point.x == settings.PlayListLinkX && point.y == settings.PlayListLinkY)
            return i;
    }
    return std::nullopt;
}

} // namespace

SkinApplication::SkinApplication(const SkinApplicationContext& context,
                                 const SkinServices& services)
    : m_context(context), m_services(services) {}

std::string SkinApplication::DefaultFile(const char* storedPath) const {
    return ResolveStoredPath(storedPath, m_context.appFolder);
}

void SkinApplication::ResetRecord() {
    const std::string font = m_services.fonts.ResolveFontName("");
    ResetMainSkin(m_context.skin, font);
    ResetPlayListSkin(m_context.skin, font);
    ResetSkinExtras(m_context.skin);
    m_context.surfaces.seekMask = {};
}

bool SkinApplication::LoadFaces(const std::string& path) {
    SkinDefinition& skin = m_context.skin;
    auto load = [&](const std::string& file) {
        LoadSkinFile(file, skin, m_context.settings, m_services, m_context.reader);
    };
    load(path);
    skin.sourcePath = path;
    const std::string font = m_services.fonts.ResolveFontName("");
    if (!skin.mainBitmapLoaded) {
        ResetMainSkin(skin, font);
        load(DefaultFile(kDefaultSkinPath));
        skin.sourcePath = DefaultFile(kDefaultSkinPath);
        m_context.settings.SkinFilePath = kDefaultSkinPath;
    }
    if (skin.mainBitmapLoaded && !skin.playListMainLoaded) {
        ResetPlayListSkin(skin, font);
        load(DefaultFile(kDefaultPlayListSkinPath));
    }
    if (skin.mainBitmapLoaded && skin.playListMainLoaded)
        return true;
    m_services.messages.Show(kSkinInvalidMessage, kPlayerTitle, MessageIcon::Critical);
    m_context.peers.ExitPlayer();
    return false;
}

void SkinApplication::NormaliseBars() {
    for (SkinBarStyle& bar : m_context.skin.bars) {
        if (!IsKnownType(bar.type))
            bar.type = "NORMAL";
        if (bar.direction != "HORIZONTAL" && bar.direction != "VERTICAL")
            bar.direction = "HORIZONTAL";
    }
}

void SkinApplication::PrepareSurfaces() {
    SkinDefinition& skin = m_context.skin;
    SkinSurfaces& surfaces = m_context.surfaces;
    const int width = skin.mainFace->Width();
    const int height = skin.mainFace->Height();
    surfaces.face = *skin.mainFace;
    surfaces.pressedFace = SizedCopy(skin.mainPressed, width, height);
    surfaces.hasInactiveFace = static_cast<bool>(skin.mainInactive);
    // The window shows the new normal face until the tick looks at the focus.
    surfaces.inactiveFaceShown = false;
    // Without an inactive face the window keeps its normal one, so no
    // surface is held for it.
    surfaces.inactiveFace =
        surfaces.hasInactiveFace ? SizedCopy(skin.mainInactive, width, height) : gfx::Surface{};
    surfaces.mainWindow = surfaces.face;
    surfaces.playListFace = *skin.playListFace;
    surfaces.playListPressedFace =
        SizedCopy(skin.playListPressed, skin.playListFace->Width(), skin.playListFace->Height());
    surfaces.playListWindow = surfaces.playListFace;
    surfaces.songInfoWork = WorkSurfaceFor(skin.Style(TextField::SongInfo).rect, surfaces.face);
    surfaces.songInfoMaskLoaded = static_cast<bool>(skin.songInfoMask);
    surfaces.songInfoMask =
        SizedCopy(skin.songInfoMask, surfaces.songInfoWork.Width(), surfaces.songInfoWork.Height());
    PrepareFieldSurfaces(skin, surfaces);
    // The windows' faces now live in the surfaces; the decoded pictures are
    // not read again until the next skin is loaded, and they are the largest
    // thing the player holds.
    for (Picture* face : {&skin.mainFace, &skin.mainPressed, &skin.mainInactive, &skin.playListFace,
                          &skin.playListPressed})
        face->reset();
}

void SkinApplication::PreparePlayListList() {
    const SkinDefinition& skin = m_context.skin;
    SkinSurfaces& surfaces = m_context.surfaces;
    surfaces.playListFont = {m_services.fonts.ResolveFontName(skin.playListFontName),
                             skin.playListFontSize};
    surfaces.playListItemHeight = m_context.painter.MeasureText(surfaces.playListFont, "あ").height;
    surfaces.playListSelection =
        gfx::Surface(WorkSurfaceFor(skin.playListTextRect, surfaces.playListFace).Width(),
                     surfaces.playListItemHeight);
}

void SkinApplication::CopyPressed(gfx::Surface& window, const gfx::Surface& pressed,
                                  const SkinButton& button) {
    for (int index = 0; index <= button.regionCount && index < 3; ++index) {
        const gfx::Rect rect = ToGfx(button.regions[index].rect);
        gfx::Blit(window, {rect.left, rect.top}, pressed, rect);
    }
}

void SkinApplication::DrawToggleButtons() {
    const SkinDefinition& skin = m_context.skin;
    const Settings& settings = m_context.settings;
    SkinSurfaces& surfaces = m_context.surfaces;
    const std::pair<MainButton, std::int32_t> toggles[] = {
        {MainButton::Random, settings.PlayRandomMode},
        {MainButton::Loop, settings.PlayLoopMode},
        {MainButton::NonStopMegaMix, settings.NonStopMegaMix}};
    for (const auto& [button, on] : toggles) {
        if (on != 0)
            CopyPressed(surfaces.mainWindow, surfaces.pressedFace, skin.Main(button));
    }
    if (settings.PlayListLinkMode != 0)
        CopyPressed(surfaces.playListWindow, surfaces.playListPressedFace,
                    skin.playListButtons[kPlayListLinkButton]);
}

// A playlist docked at a link point of the old skin docks at the same point
// of the new one, which lies elsewhere when the main face changed its size.
bool SkinApplication::KeepDocked(std::optional<std::size_t> dockedAt) {
    if (!dockedAt)
        return false;
    const SkinPoint& point = m_context.skin.linkPoints[*dockedAt];
    if (!point.IsSet())
        return false;
    m_context.settings.PlayListLinkX = point.x;
    m_context.settings.PlayListLinkY = point.y;
    return true;
}

bool SkinApplication::ApplySkin(const std::string& path) {
    SkinApplicationPeers& peers = m_context.peers;
    peers.StopTickTimer();
    const auto dockedAt = DockedLinkPoint(m_context.skin, m_context.settings);
    ResetRecord();
    // A stored skin path may be relative to the program folder and spelled
    // the Windows way.
    if (!LoadFaces(ResolveStoredPath(path, m_context.appFolder)))
        return false;
    NormaliseBars();
    PrepareSurfaces();
    PreparePlayListList();
    peers.ShapeWindows(m_context.surfaces.face, m_context.surfaces.playListFace);
    peers.SetUpSkinToolTips();
    if (m_context.skin.playListInitPlacement || KeepDocked(dockedAt))
        peers.PlacePlayListWindow();
    peers.PrepareVisuals();
    peers.DrawPlayList();
    m_context.bars.PrepareForSkin();
    for (const BarKind bar : {BarKind::Volume, BarKind::Pan, BarKind::Seek, BarKind::Pitch})
        m_context.bars.Redraw(bar);
    DrawToggleButtons();
    peers.FinishApplication();
    peers.StartTickTimer();
    return true;
}

bool SkinApplication::ChangeSkin(int index, bool fromPlayListWindow) {
    const SkinTargetList& list =
        fromPlayListWindow ? m_context.skin.playListSkinTargets : m_context.skin.skinTargets;
    const SkinTarget entry =
        (index >= 0 && index <= list.count && index < 3) ? list.entries[index] : SkinTarget{};
    const std::string folder = FolderOf(entry.declaringFile);
    m_context.reader.SetCurrentDirectory(folder);
    const std::string path = m_context.reader.ResolvePath(entry.target, folder);
    if (path.empty()) {
        m_services.messages.Show(kTargetMissingMessage, kPlayerTitle, MessageIcon::Critical);
        return false;
    }
    return SwitchTo(path);
}

bool SkinApplication::ChangeSkin(const std::string& path) {
    return SwitchTo(NormalisedPath(path));
}

bool SkinApplication::SwitchTo(const std::string& path) {
    m_context.settings.SkinFilePath = path;
    if (!ApplySkin(path))
        return false;
    m_context.peers.SkinChanged();
    return true;
}

} // namespace vantor
