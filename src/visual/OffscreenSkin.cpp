#include "visual/OffscreenSkin.h"

#include "settings/Settings.h"
#include "skin/SkinApplication.h"
#include "skin/SkinBars.h"
#include "skin/TextFieldPainter.h"
#include "visual/MainWindowVisuals.h"

#include <functional>

namespace vantor {
namespace {

// The desktop side of applying a skin, for surfaces no window shows.
class OffscreenPeers : public SkinApplicationPeers {
public:
    explicit OffscreenPeers(std::function<void()> prepareVisuals)
        : m_prepareVisuals(std::move(prepareVisuals)) {}
    void StopTickTimer() override {}
    void StartTickTimer() override {}
    void ShapeWindows(const gfx::Surface&, const gfx::Surface&) override {}
    void SetUpSkinToolTips() override {}
    void PlacePlayListWindow() override {}
    void PrepareVisuals() override { m_prepareVisuals(); }
    void DrawPlayList() override {}
    void FinishApplication() override {}
    void SkinChanged() override {}
    void ExitPlayer() override {}

private:
    std::function<void()> m_prepareVisuals;
};

// Bars that move nothing: no sound plays here.
class SilentBarControls : public BarSoundControls {
public:
    void ApplyVolume(std::int32_t) override {}
    void ApplyPan(std::int32_t) override {}
    void ApplySoundControls() override {}
    void SeekToFraction(double) override {}
    void SetSeek(std::int32_t) override {}
};

} // namespace

std::optional<SkinSurfaces> RenderSkinOffscreen(const std::string& path,
                                                const std::string& appFolder,
                                                const SkinServices& services,
                                                TextPainter& painter) {
    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings = DefaultSettings(appFolder, {});
    SkinFileReader reader;
    TextFieldPainter texts(skin, surfaces, painter);
    SilentBarControls sound;
    SkinBars bars(skin, surfaces, settings, sound, texts);
    MainWindowVisuals visuals(skin, surfaces, settings, painter, texts);
    OffscreenPeers peers([&] {
        visuals.PrepareAnalyzer(services.pictures);
        texts.DrawTimeText("00:00 / 00:00");
        visuals.SongInfo().DrawIdleText();
    });
    SkinApplication application({skin, surfaces, settings, reader, bars, painter, peers, appFolder},
                                services);
    if (!application.ApplySkin(path))
        return std::nullopt;
    // The reveal of the idle text takes about one step per 8 pixels of the
    // field; a skin without the field never reveals anything.
    const int revealBound = surfaces.face.Width() + 64;
    for (int step = 0; step < revealBound && !visuals.SongInfo().State().revealDone; ++step)
        visuals.SongInfo().SongInfoTick();
    visuals.SongInfo().SongInfoTick();
    return surfaces;
}

} // namespace vantor
