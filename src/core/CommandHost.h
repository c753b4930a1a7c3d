// What the main window's commands need beyond playback: the dialogs and
// windows of other subsystems, the bars, the analyzer, the tag reader and
// the exit. The application implements it; tests record. UI thread only.
#pragma once

#include "effects/ControlsHost.h"

#include <cstdint>

namespace vantor {

class CommandHost : public ControlsHost {
public:
    // The open-file dialog, then AddFiles: mode 1 replaces the list, 0 appends.
    virtual void AddFilesFromDialog(std::int32_t mode) = 0;
    // The folder picker, then AddFolder: mode 1 replaces the list, 2 appends.
    virtual void AddFolderFromPicker(std::int32_t mode) = 0;
    virtual void ShowCdWindow() = 0;
    virtual void ShowSettingsDialog(std::int32_t page) = 0;
    virtual void ShowSkinFileDialog() = 0;
    virtual void ShowAbout() = 0;
    virtual void ExitPlayer(std::int32_t mode) = 0;
    // Closes the main window, which ends the player as its close button does.
    virtual void UnloadMainWindow() = 0;
    // The playlist's tag reader starts again from entry 0.
    virtual void RestartTagReader() = 0;
    // Redraws the volume bar from MasterVolume and applies it.
    virtual void RedrawVolumeBar() = 0;
    // The analyzer menu's style entry `index` (0..12): style index + 1 with
    // a pen one pixel wide.
    virtual void SelectAnalyzerStyle(std::int32_t index) = 0;
    // The oscilloscope with its pen from the skin and the settings.
    virtual void SelectOscilloscope() = 0;
    // The playlist window's link button, pressed or released.
    virtual void DrawLinkButton(bool pressed) = 0;
};

} // namespace vantor
