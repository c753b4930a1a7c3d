#include "shell/XdgFileAssociations.h"
#include "base/StringUtil.h"
#include "shell/AssociationList.h"
#include "shell/AssociationMimeTypes.h"
#include "shell/DesktopEntry.h"
#include "shell/KeyFileText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace vantor {
namespace {

namespace fs = std::filesystem;
using test::ReadWholeFile;

// Another program's user settings: its own groups, comments and defaults,
// which every change of the program must keep line for line.
constexpr std::string_view kOtherProgramsList = "# chosen in the file manager\n"
                                                "[Added Associations]\n"
                                                "audio/mpeg=other.desktop;\n"
                                                "\n"
                                                "[Default Applications]\n"
                                                "text/plain=editor.desktop\n"
                                                "audio/mpeg=other.desktop\n"
                                                "image/png=viewer.desktop\n";

// What a command prints on its standard output.
std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 256> buffer{};
        while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
            output += buffer.data();
        ::pclose(pipe);
    }
    while (!output.empty() && output.back() == '\n')
        output.pop_back();
    return output;
}

// The user's and the system's XDG folders inside one temporary folder, set in
// the environment so that the desktop's own tools see what the program sees.
class XdgFileAssociationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kVariables) {
            if (const char* value = std::getenv(name))
                m_saved[name] = value;
        }
        ::setenv("XDG_CONFIG_HOME", (root.Path() + "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root.Path() + "data").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (root.Path() + "etc/xdg").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", (root.Path() + "usr/share").c_str(), 1);
        ::setenv("XDG_CURRENT_DESKTOP", "X-Generic", 1);
        folders = XdgFolders::FromEnvironment();
        program = MakeProgram("bin/vantor");
        root.Write("data/applications/other.desktop",
                   "[Desktop Entry]\nType=Application\nName=Other\nExec=/bin/true %F\n");
    }
    void TearDown() override {
        for (const char* name : kVariables) {
            if (m_saved.count(name) != 0)
                ::setenv(name, m_saved[name].c_str(), 1);
            else
                ::unsetenv(name);
        }
    }

    std::string MakeProgram(std::string_view name) const {
        const auto path = root.Write(name, "#!/bin/sh\n");
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }
    std::string UserList() const { return folders.UserMimeAppsList(); }
    static std::string QueryDefault(std::string_view type) {
        return CommandOutput("xdg-mime query default " + std::string(type) + " 2>/dev/null");
    }

    test::TempDir root;
    XdgFolders folders;
    std::string program;

private:
    static constexpr std::array kVariables{"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS",
                                           "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"};
    std::map<std::string, std::string> m_saved;
};

TEST_F(XdgFileAssociationsTest, TickingTakesATypeFromAnotherProgramAndUntickingGivesItBack) {
    root.Write("config/mimeapps.list", kOtherProgramsList);
    XdgFileAssociations associations(folders, program);
    ASSERT_EQ(QueryDefault("audio/mpeg"), "other.desktop");
    EXPECT_FALSE(associations.IsAssociated(".MP3"));

    associations.Associate(".MP3");
    associations.NotifyChanged();
    EXPECT_TRUE(associations.IsAssociated(".MP3"));
    EXPECT_TRUE(associations.IsAssociated(".mp3"));
    EXPECT_FALSE(associations.IsAssociated(".MP2"));
    EXPECT_EQ(QueryDefault("audio/mpeg"), "vantor.desktop");
    EXPECT_EQ(ReadWholeFile(UserList()),
              ReplaceAll(kOtherProgramsList, "audio/mpeg=other.desktop\n",
                         "audio/mpeg=vantor.desktop;\n"));

    associations.Unassociate(".MP3");
    associations.NotifyChanged();
    EXPECT_FALSE(associations.IsAssociated(".MP3"));
    EXPECT_EQ(QueryDefault("audio/mpeg"), "other.desktop");
    EXPECT_EQ(ReadWholeFile(UserList()), kOtherProgramsList);
}

TEST_F(XdgFileAssociationsTest, TickingTwiceStillGivesTheTypeBackToTheOtherProgram) {
    root.Write("config/mimeapps.list", kOtherProgramsList);
    XdgFileAssociations associations(folders, program);
    associations.Associate(".MP3");
    associations.Associate(".MP3");
    associations.Unassociate(".MP3");
    EXPECT_EQ(ReadWholeFile(UserList()), kOtherProgramsList);
    EXPECT_EQ(QueryDefault("audio/mpeg"), "other.desktop");
}

TEST_F(XdgFileAssociationsTest, UntickingATypeNeverTickedLeavesEveryHandlerAsItWas) {
    XdgFileAssociations associations(folders, program);
    associations.Unassociate(".MP3");
    EXPECT_FALSE(fs::exists(UserList()));

    root.Write("config/mimeapps.list", kOtherProgramsList);
    for (const auto& item : kAssociationItems)
        associations.Unassociate(std::string(item.extension));
    EXPECT_EQ(ReadWholeFile(UserList()), kOtherProgramsList);
    EXPECT_EQ(QueryDefault("audio/mpeg"), "other.desktop");
}

TEST_F(XdgFileAssociationsTest, AHandlerChosenAfterUntickingIsNotReplacedByALaterUntick) {
    root.Write("config/mimeapps.list", kOtherProgramsList);
    XdgFileAssociations associations(folders, program);
    associations.Associate(".MP3");
    associations.Unassociate(".MP3");
    const std::string chosenLater =
        ReplaceAll(kOtherProgramsList, "audio/mpeg=other.desktop\n", "audio/mpeg=third.desktop\n");
    root.Write("config/mimeapps.list", chosenLater);
    associations.Unassociate(".MP3");
    EXPECT_EQ(ReadWholeFile(UserList()), chosenLater);
}

TEST_F(XdgFileAssociationsTest, ADefaultOfTheSystemComesBackWhenTheUserHadNone) {
    root.Write("etc/xdg/mimeapps.list", "[Default Applications]\naudio/x-it=other.desktop;\n");
    XdgFileAssociations associations(folders, program);
    associations.Associate(".IT");
    EXPECT_EQ(QueryDefault("audio/x-it"), "vantor.desktop");
    EXPECT_TRUE(associations.IsAssociated(".IT"));
    associations.Unassociate(".IT");
    EXPECT_EQ(QueryDefault("audio/x-it"), "other.desktop");
    EXPECT_EQ(ReadWholeFile(UserList()), "[Default Applications]\n");
}

TEST_F(XdgFileAssociationsTest, ThePlaylistTypeOfTheProgramIsDeclaredAssociatedAndRestored) {
    XdgFileAssociations associations(folders, program);
    associations.Associate(".DVL");
    associations.NotifyChanged();
    EXPECT_TRUE(associations.IsAssociated(".DVL"));
    EXPECT_EQ(QueryDefault("audio/x-vantor-playlist"), "vantor.desktop");
    // The desktop now knows the type by its file name.
    const std::string globs = ReadWholeFile(folders.UserMimeFolder() + "globs2");
    EXPECT_NE(globs.find("audio/x-vantor-playlist:*.dvl"), std::string::npos) << globs;

    associations.Unassociate(".DVL");
    EXPECT_FALSE(associations.IsAssociated(".DVL"));
    // The program stays one handler of its own type, but no longer the chosen one.
    EXPECT_EQ(
        KeyFileText::FromFile(UserList()).Value("Default Applications", "audio/x-vantor-playlist"),
        std::nullopt);
}

TEST_F(XdgFileAssociationsTest, AfterTheProgramMovesNoTypeReadsAsAssociated) {
    XdgFileAssociations here(folders, program);
    std::array<bool, kAssociationItems.size()> all{};
    all.fill(true);
    ApplyAssociations(here, all);
    for (const auto& item : kAssociationItems)
        EXPECT_TRUE(here.IsAssociated(std::string(item.extension))) << item.extension;

    XdgFileAssociations moved(folders, MakeProgram("elsewhere/vantor"));
    for (const auto& item : kAssociationItems)
        EXPECT_FALSE(moved.IsAssociated(std::string(item.extension))) << item.extension;

    moved.Associate(".WAV");
    EXPECT_TRUE(moved.IsAssociated(".WAV"));
    EXPECT_FALSE(here.IsAssociated(".WAV"));
}

TEST_F(XdgFileAssociationsTest, ATypeTwoExtensionsShareStaysWithTheProgramWhileOneIsTicked) {
    XdgFileAssociations associations(folders, program);
    std::array<bool, kAssociationItems.size()> ticked{};
    ticked[4] = true; // ".MID"; ".RMI" (5) is MIDI as well
    ApplyAssociations(associations, ticked);
    EXPECT_TRUE(associations.IsAssociated(".MID"));
    EXPECT_EQ(QueryDefault("audio/midi"), "vantor.desktop");
}

TEST_F(XdgFileAssociationsTest, ADesktopsOwnListThatChoosesAnotherProgramWins) {
    ::setenv("XDG_CURRENT_DESKTOP", "GNOME", 1);
    const XdgFolders gnome = XdgFolders::FromEnvironment();
    root.Write("config/gnome-mimeapps.list", "[Default Applications]\naudio/mpeg=other.desktop\n");
    XdgFileAssociations associations(gnome, program);
    associations.Associate(".MP3");
    EXPECT_FALSE(associations.IsAssociated(".MP3"));
}

TEST_F(XdgFileAssociationsTest, TheUsersListIsWrittenThroughItsSymbolicLink) {
    const auto real = root.Write("dotfiles/mimeapps.list", kOtherProgramsList);
    fs::create_directories(folders.configHome);
    fs::create_symlink(real, UserList());
    XdgFileAssociations associations(folders, program);
    associations.Associate(".OGG");
    EXPECT_TRUE(fs::is_symlink(UserList()));
    EXPECT_NE(ReadWholeFile(real).find("audio/ogg=vantor.desktop;\n"), std::string::npos);
    EXPECT_TRUE(associations.IsAssociated(".OGG"));
}

TEST_F(XdgFileAssociationsTest, TheDesktopEntryStartsAProgramWhosePathNeedsQuoting) {
    const auto awkward = MakeProgram("My Music $HOME/100% \"best\"/vantor");
    XdgFileAssociations associations(folders, awkward);
    associations.Associate(".MP3");
    EXPECT_TRUE(associations.IsAssociated(".MP3"));

    const auto entryPath = folders.UserApplications() + "vantor.desktop";
    const auto entry = KeyFileText::FromFile(entryPath);
    const auto add = entry.Value("Desktop Action add", "Exec");
    ASSERT_TRUE(add);
    EXPECT_EQ(ExecProgram(*add), awkward);
    EXPECT_TRUE(add->ends_with(" /add %F")) << *add;
    EXPECT_TRUE(entry.Value("Desktop Entry", "Exec")->ends_with("\" %F"));
    const auto types = entry.Value("Desktop Entry", "MimeType");
    ASSERT_TRUE(types);
    for (const auto type : AllAssociationMimeTypes())
        EXPECT_NE(types->find(std::string(type) + ";"), std::string::npos) << type;
    EXPECT_EQ(CommandOutput("desktop-file-validate '" + entryPath + "' 2>&1"), "");
}

TEST(InstalledDesktopEntryTest, StartsTheInstalledProgramForEveryTypeItCanBeAssociatedWith) {
    const auto entry = KeyFileText::FromFile(VANTOR_DATA_FOLDER "vantor.desktop");
    EXPECT_EQ(ExecProgram(entry.Value("Desktop Entry", "Exec").value_or("")), "vantor");
    EXPECT_EQ(entry.Value("Desktop Action add", "Exec"), "vantor /add %F");
    const auto types = entry.Value("Desktop Entry", "MimeType").value_or("");
    for (const auto type : AllAssociationMimeTypes())
        EXPECT_NE(types.find(std::string(type) + ";"), std::string::npos) << type;
}

TEST(KeyFileTextTest, EditsOneKeyAndKeepsEveryOtherByteOfTheFile) {
    KeyFileText windows("[Default Applications]\r\naudio/mpeg=a.desktop\r\nx=y\r\n");
    windows.Set("Default Applications", "audio/mpeg", "b.desktop;");
    EXPECT_EQ(windows.Text(), "[Default Applications]\r\naudio/mpeg=b.desktop;\r\nx=y\r\n");

    KeyFileText unterminated("[Other]\nk=v");
    unterminated.Set("Default Applications", "audio/ogg", "v.desktop;");
    EXPECT_EQ(unterminated.Text(), "[Other]\nk=v\n\n[Default Applications]\naudio/ogg=v.desktop;");

    KeyFileText twoGroups("[Default Applications]\na=1\n[Other]\nb=2\n\n"
                          "[Default Applications]\na=3\n");
    EXPECT_EQ(twoGroups.Value("Other", "a"), std::nullopt);
    EXPECT_EQ(twoGroups.Value("Default Applications", "a"), "1");
    twoGroups.Set("Other", "c", "4");
    twoGroups.Remove("Default Applications", "a");
    EXPECT_EQ(twoGroups.Text(), "[Default Applications]\n[Other]\nb=2\nc=4\n\n"
                                "[Default Applications]\n");
}

} // namespace
} // namespace vantor
