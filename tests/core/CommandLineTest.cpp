#include "core/CommandLine.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace vantor {
namespace {

using Args = std::vector<std::string>;

TEST(ParseCommandLine, QuotedNamesSplitAndUnquotedStayTogether) {
    EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, "\"a b.mp3\" \"c d.mp3\""),
              (Args{"a b.mp3", "c d.mp3"}));
    EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, "a b.mp3 c d.mp3"), (Args{"a b.mp3 c d.mp3"}));
    EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, "a.mp3\t\tb.mp3"), (Args{"a.mp3", "b.mp3"}));
}

TEST(ParseCommandLine, SwitchesAreKeptAsTyped) {
    EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, "/ADD \"x.mp3\""), (Args{"/ADD", "x.mp3"}));
    EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, " -r"), (Args{"-r"}));
    EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, ""), (Args{""}));
    EXPECT_TRUE(IsAddSwitch("/Add"));
    EXPECT_FALSE(IsAddSwitch("add"));
}

TEST(ParseCommandLine, StopsAtMaxArgs) {
    EXPECT_EQ(ParseCommandLine(1, "\"a\" \"b\" \"c\""), (Args{"a", "b"}));
}

TEST(ParseCommandLine, ExistingFilesAreSpelledAsOnDisk) {
    test::TempDir dir;
    dir.Write("Music/Track One.MP3", std::string_view("x"));
    const auto args =
        ParseCommandLine(kDefaultMaxArgs, "\"" + dir.Path() + "music/track one.mp3\"");
    EXPECT_EQ(args, (Args{dir.Path() + "Music/Track One.MP3"}));
}

TEST(JoinCommandLine, SplitsBackIntoTheSameArguments) {
    std::mt19937 random(20261207);
    const std::string alphabet = "ab /.-_日本,'";
    for (int round = 0; round < 500; ++round) {
        Args args(1 + random() % 6);
        for (auto& arg : args) {
            const auto length = random() % 12;
            for (std::size_t i = 0; i < length; ++i)
                arg += alphabet[random() % alphabet.size()];
            // Blanks at either end are trimmed by the splitter, so none here.
            while (!arg.empty() && arg.front() == ' ')
                arg.erase(0, 1);
            while (!arg.empty() && arg.back() == ' ')
                arg.pop_back();
            arg = "zz" + arg; // never an existing path, never a switch
        }
        EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, JoinCommandLine(args)), args)
            << JoinCommandLine(args);
    }
    EXPECT_EQ(ParseCommandLine(kDefaultMaxArgs, JoinCommandLine({"zz", "", "zy"})),
              (Args{"zz", "", "zy"}));
}

TEST(InformationAnswer, HelpAndVersionAreAnsweredWhereverTheyStand) {
    const auto usage = InformationAnswer({"--help"}, "1.2.3");
    ASSERT_TRUE(usage.has_value());
    EXPECT_EQ(usage->rfind("usage: vantor", 0), 0u) << *usage;
    EXPECT_EQ(InformationAnswer({"/music/a.mp3", "-h"}, "1.2.3"), usage);
    EXPECT_EQ(InformationAnswer({"/add", "--version", "--help"}, "1.2.3"), "vantor 1.2.3\n");
}

TEST(InformationAnswer, FilesSwitchesAndTheRelaunchAskNothing) {
    for (const Args& args : {Args{}, Args{"-r"}, Args{"/add", "help.mp3"}, Args{"--helpful"}})
        EXPECT_EQ(InformationAnswer(args, "1.2.3"), std::nullopt) << args.size();
}

TEST(AbsoluteArgument, RelativePathsThatExistAreMadeAbsolute) {
    test::TempDir dir;
    dir.Write("Music/a.mp3", std::string_view("x"));
    EXPECT_EQ(AbsoluteArgument("Music/a.mp3", dir.Path()), dir.Path() + "Music/a.mp3");
    EXPECT_EQ(AbsoluteArgument("Music", dir.Path()), dir.Path() + "Music");
    for (const std::string arg : {"Music/b.mp3", "/add", "-r", "/elsewhere/a.mp3", ""})
        EXPECT_EQ(AbsoluteArgument(arg, dir.Path()), arg);
}

} // namespace
} // namespace vantor
