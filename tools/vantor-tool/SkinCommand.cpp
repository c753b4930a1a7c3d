// "skin check FILE.dvk": parses a skin as the player does, printing every
// message the parser would show, then a summary of what loaded.
// "skin render FILE.dvk MAIN.png PLAYLIST.png": applies the skin with default
// settings and writes both windows as they look after start-up, with the
// pixels outside each window's shape transparent.
#include "Commands.h"
#include "ToolPictures.h"

#include "base/Paths.h"
#include "gfx/Blit.h"
#include "settings/Settings.h"
#include "skin/SkinApplication.h"
#include "skin/SkinLoader.h"
#include "ui/QtInstalledFonts.h"
#include "ui/QtTextPainter.h"
#include "ui/SurfaceImage.h"
#include "visual/OffscreenSkin.h"

#include <QGuiApplication>
#include <QImage>

#include <filesystem>
#include <memory>
#include <ostream>

namespace vantor::tool {
namespace {

const char* IconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Exclamation:
        return "exclamation";
    case MessageIcon::Critical:
        return "critical";
    case MessageIcon::Question:
        return "question";
    default:
        return "none";
    }
}

class PrintingMessageBoxes : public MessageBoxes {
public:
    explicit PrintingMessageBoxes(std::ostream& out) : m_out(out) {}
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override {
        m_out << "message [" << title << ", " << IconName(icon) << "]: " << text << "\n";
    }

private:
    std::ostream& m_out;
};

// Pictures loaded as the player loads them (PNG through Pixwell).
class ToolPictureSource : public PictureSource {
public:
    Picture LoadPicture(const std::string& path) override {
        std::string reason;
        return m_pictures.Load(path, reason);
    }

private:
    ToolPictures m_pictures;
};

std::unique_ptr<QGuiApplication> MakeApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantor-tool";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

// The folder the default skin is looked up in: the program's, else the
// current directory (a run from the source tree).
std::string ChooseSkinAppFolder() {
    const std::string program = ProgramFolder();
    if (FileExists(ResolveStoredPath(kDefaultSkinPath, program)))
        return program;
    return EnsureTrailingSlash(std::filesystem::current_path().string());
}

void PrintSummary(const SkinDefinition& skin, std::ostream& out) {
    auto size = [](const Picture& picture) {
        return picture ? std::to_string(picture->Width()) + "x" + std::to_string(picture->Height())
                       : std::string("missing");
    };
    out << "skin name: " << skin.skinName << "\n";
    for (int line = 0; line < skin.aboutCount && line < 5; ++line)
        out << "about: " << skin.aboutLines[line] << "\n";
    out << "main face: " << size(skin.mainFace) << "\n"
        << "main face pressed: " << size(skin.mainPressed) << "\n"
        << "main face inactive: " << size(skin.mainInactive) << "\n"
        << "playlist face: " << size(skin.playListFace) << "\n"
        << "playlist face pressed: " << size(skin.playListPressed) << "\n"
        << "time font: " << size(skin.timeFontBitmap) << "\n"
        << "general font: " << size(skin.fontBitmap) << "\n";
    int regions = 0;
    for (const auto& button : skin.mainButtons)
        regions += button.regionCount + 1;
    out << "main button regions: " << regions << "\n";
    regions = 0;
    for (const auto& button : skin.playListButtons)
        regions += button.regionCount + 1;
    out << "playlist button regions: " << regions << "\n";
    const char* barNames[] = {"volume", "seek", "pan", "pitch"};
    for (int bar = 0; bar < kBarCount; ++bar) {
        const SkinBarStyle& style = skin.bars[bar];
        out << barNames[bar] << " bar: " << (style.type.empty() ? "-" : style.type) << " "
            << style.direction << " knob " << size(style.knob) << " track " << size(style.track)
            << "\n";
    }
    out << "spectrum field: " << (skin.spectrumFieldSet ? "set" : "not set") << "\n"
        << "skin targets: " << skin.skinTargets.count + 1 << " main, "
        << skin.playListSkinTargets.count + 1 << " playlist\n";
}

bool WriteWindow(const gfx::Surface& window, const gfx::Surface& face, const std::string& path) {
    return ToShapedImage(window, face).save(QString::fromStdString(path), "PNG");
}

int Check(const std::string& file, std::ostream& out) {
    const auto application = MakeApplication();
    PrintingMessageBoxes messages(out);
    ToolPictureSource pictures;
    const FontNameResolver fonts{QtInstalledFonts()};
    const SkinServices services{messages, pictures, fonts};
    SkinDefinition skin;
    ResetMainSkin(skin, fonts.ResolveFontName(""));
    ResetPlayListSkin(skin, fonts.ResolveFontName(""));
    Settings settings = DefaultSettings("", {});
    SkinFileReader reader;
    if (!LoadSkinFile(AbsolutePath(file), skin, settings, services, reader))
        return 1;
    PrintSummary(skin, out);
    return 0;
}

int Render(const std::string& file, const std::string& mainPng, const std::string& playListPng,
           std::ostream& out, std::ostream& err) {
    const auto application = MakeApplication();
    PrintingMessageBoxes messages(out);
    ToolPictureSource pictures;
    const FontNameResolver fonts{QtInstalledFonts()};
    const SkinServices services{messages, pictures, fonts};
    QtTextPainter painter;
    const auto rendered =
        RenderSkinOffscreen(AbsolutePath(file), ChooseSkinAppFolder(), services, painter);
    if (!rendered) {
        err << "vantor-tool: the skin and the default skin have no faces\n";
        return 1;
    }
    const SkinSurfaces& surfaces = *rendered;
    if (!WriteWindow(surfaces.mainWindow, surfaces.face, mainPng) ||
        !WriteWindow(surfaces.playListWindow, surfaces.playListFace, playListPng)) {
        err << "vantor-tool: cannot write the pictures\n";
        return 1;
    }
    out << "main window: " << surfaces.mainWindow.Width() << "x" << surfaces.mainWindow.Height()
        << "\nplaylist window: " << surfaces.playListWindow.Width() << "x"
        << surfaces.playListWindow.Height() << "\n";
    return 0;
}

} // namespace

int RunSkin(Args args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "check")
        return Check(args[1], out);
    if (args.size() == 4 && args[0] == "render")
        return Render(args[1], args[2], args[3], out, err);
    err << "usage: vantor-tool skin check FILE.dvk | skin render FILE.dvk MAIN.png PLAYLIST.png\n";
    return 2;
}

} // namespace vantor::tool
