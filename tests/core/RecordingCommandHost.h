// Records what the main window's commands ask of the rest of the player.
#pragma once

#include "core/CommandHost.h"

#include <string>
#include <vector>

namespace vantor::test {

class RecordingCommandHost : public CommandHost {
public:
    void RedrawBalanceBar() override { Record("RedrawBalanceBar"); }
    void RedrawPitchBar() override { Record("RedrawPitchBar"); }
    void ApplySoundControls() override { Record("ApplySoundControls"); }
    void SaveSettings() override { Record("SaveSettings"); }
    void AddFilesFromDialog(std::int32_t mode) override { Record("AddFiles", mode); }
    void AddFolderFromPicker(std::int32_t mode) override { Record("AddFolder", mode); }
    void ShowCdWindow() override { Record("ShowCdWindow"); }
    void ShowSettingsDialog(std::int32_t page) override { Record("ShowSettingsDialog", page); }
    void ShowSkinFileDialog() override { Record("ShowSkinFileDialog"); }
    void ShowAbout() override { Record("ShowAbout"); }
    void ExitPlayer(std::int32_t mode) override { Record("ExitPlayer", mode); }
    void UnloadMainWindow() override { Record("UnloadMainWindow"); }
    void RestartTagReader() override { Record("RestartTagReader"); }
    void RedrawVolumeBar() override { Record("RedrawVolumeBar"); }
    void SelectAnalyzerStyle(std::int32_t index) override { Record("SelectAnalyzerStyle", index); }
    void SelectOscilloscope() override { Record("SelectOscilloscope"); }
    void DrawLinkButton(bool pressed) override { Record("DrawLinkButton", pressed ? 1 : 0); }

    std::vector<std::string> calls;

private:
    void Record(const std::string& name) { calls.push_back(name); }
    void Record(const std::string& name, std::int32_t value) {
        calls.push_back(name + "(" + std::to_string(value) + ")");
    }
};

} // namespace vantor::test
