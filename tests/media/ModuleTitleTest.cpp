#include "media/ModuleTitle.h"

#include "support/FakeSoundLibrary.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::CallRecorder;
using test::FakeSoundLibrary;

TEST(ModuleTitleTest, LoadsNamesStopsAndFreesTheModule) {
    CallRecorder recorder;
    FakeSoundLibrary sound(recorder);
    recorder.Script("FMUSIC_LoadSong", {7});
    sound.songNames[7] = std::string("Space Debris\0\0\0", 15);
    EXPECT_EQ(ModuleTitle(sound, "/mods/debris.mod"), "Space Debris");
    EXPECT_EQ(recorder.Log(), (std::vector<std::string>{"FMUSIC_LoadSong(\"/mods/debris.mod\")",
                                                        "FMUSIC_GetName(7)", "FMUSIC_StopSong(7)",
                                                        "FMUSIC_FreeSong(7)"}));
}

TEST(ModuleTitleTest, EmptyWhenTheModuleCannotBeLoaded) {
    CallRecorder recorder;
    FakeSoundLibrary sound(recorder);
    recorder.Script("FMUSIC_LoadSong", {0});
    EXPECT_EQ(ModuleTitle(sound, "/mods/broken.xm"), "");
    EXPECT_EQ(recorder.CountOf("FMUSIC_GetName"), 0);
    EXPECT_EQ(recorder.CountOf("FMUSIC_FreeSong"), 0);
}

} // namespace
} // namespace vantor
