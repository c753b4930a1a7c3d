// Applying a skin file to the running program: reset and parse the record,
// fall back to the default skin, prepare the work surfaces, shape the
// windows and draw the first frame of every skinned element; and switching
// to a change-skin target. Holds references to the Player's state and
// services. UI thread.
#pragma once

#include "base/ShownText.h"
#include "platform/TextPainter.h"
#include "settings/Settings.h"
#include "skin/SkinApplicationPeers.h"
#include "skin/SkinBars.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinFileReader.h"
#include "skin/SkinStatementApplier.h"
#include "skin/SkinSurfaces.h"

#include <optional>
#include <string>

namespace vantor {

inline constexpr const char* kDefaultSkinPath = "Skin\\Default\\Default.dvk";
inline constexpr const char* kDefaultPlayListSkinPath = "Skin\\Default\\PL.txt";
inline constexpr const char* kTargetMissingMessage =
    VANTOR_TEXT("指定されたSkinファイルは存在しません");

struct SkinApplicationContext {
    SkinDefinition& skin;
    SkinSurfaces& surfaces;
    Settings& settings;
    SkinFileReader& reader;
    SkinBars& bars;
    TextPainter& painter;
    SkinApplicationPeers& peers;
    std::string appFolder;
};

class SkinApplication {
public:
    SkinApplication(const SkinApplicationContext& context, const SkinServices& services);

    // False when even the default skin could not give both faces; the
    // program has then been asked to end.
    bool ApplySkin(const std::string& path);

    // Switches to target `index` (0..2) of the main window's or the playlist
    // window's list; false (with a message) when the target does not exist.
    bool ChangeSkin(int index, bool fromPlayListWindow);
    // Switches to the skin file the user chose (a dialog, a drop).
    bool ChangeSkin(const std::string& path);

private:
    void ResetRecord();
    bool LoadFaces(const std::string& path);
    void NormaliseBars();
    void PrepareSurfaces();
    void PreparePlayListList();
    void DrawToggleButtons();
    void CopyPressed(gfx::Surface& window, const gfx::Surface& pressed, const SkinButton& button);
    std::string DefaultFile(const char* storedPath) const;
    bool SwitchTo(const std::string& path);
    bool KeepDocked(std::optional<std::size_t> dockedAt);

    SkinApplicationContext m_context;
    SkinServices m_services;
};

} // namespace vantor
