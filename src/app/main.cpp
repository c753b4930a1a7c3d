// The player's entry: splits the command line, hands it to a running player
// or refuses a second start, and otherwise brings the player up.
#include "app/Player.h"
#include "base/Paths.h"
#include "base/TextEncoding.h"
#include "core/CommandLine.h"
#include "core/SingleInstance.h"
#include "ui/QtInstanceChannel.h"
#include "ui/QtMessageBoxes.h"
#include "ui/Translation.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {

// A shaped window must be able to move itself, snap and dock, which Wayland
// does not allow clients; XWayland does.
void PreferXcbUnderWayland() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* x11 = std::getenv("DISPLAY");
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && wayland != nullptr && x11 != nullptr)
        setenv("QT_QPA_PLATFORM", "xcb", 0);
}

// The windows are small and change a few pixels at a time, many times a
// second. Through shared memory Qt waits for the X server to finish each
// update before the next; sending the changed pixels costs less, about a
// third of the player's CPU while it plays. A user's own choice stands.
void SendPixelsOverTheXConnection() {
    setenv("QT_XCB_NO_MITSHM", "1", 0);
}

// The arguments as the player takes them: relative paths made absolute, so
// that a running player started in another folder finds them.
std::vector<std::string> GivenArguments(int argc, char** argv) {
    std::vector<std::string> given(argv + 1, argv + argc);
    std::error_code error;
    const auto here = std::filesystem::current_path(error);
    if (error)
        return given;
    for (auto& arg : given)
        arg = vantor::AbsoluteArgument(arg, vantor::EnsureTrailingSlash(here.string()));
    return given;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto answer = vantor::InformationAnswer({argv + 1, argv + argc}, VANTOR_VERSION)) {
        std::cout << *answer;
        return 0;
    }
    PreferXcbUnderWayland();
    SendPixelsOverTheXConnection();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    vantor::SetLegacyCodePage(vantor::CodePageFromEnvironment());
    const std::string program = vantor::ProgramFolder();
    vantor::UseDesktopLanguage({program, program + "../share/vantor/"});

    const std::string argumentString = vantor::JoinCommandLine(GivenArguments(argc, argv));
    const auto args = vantor::ParseCommandLine(vantor::kDefaultMaxArgs, argumentString);

    std::unique_ptr<vantor::Player> player;
    vantor::QtMessageBoxes messages;
    vantor::QtInstanceChannel channel(
        vantor::QtInstanceChannel::DefaultSocketPath(),
        [&player](const std::string& text) { return player && player->ReceiveHandOver(text); });
    if (vantor::DecideSingleInstance(args, argumentString, channel, messages) ==
        vantor::StartDecision::End)
        return 0;

    player =
        std::make_unique<vantor::Player>(vantor::ChooseAppFolder(vantor::ProgramFolder()), args);
    player->Start();
    return QApplication::exec();
}
