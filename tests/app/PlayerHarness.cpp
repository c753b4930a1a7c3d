#include "app/PlayerHarness.h"

#include "core/MainMenu.h"
#include "skin/TextFieldPainter.h"
#include "support/AudioEncoder.h"
#include "support/RiffWriter.h"
#include "ui/QtTestApp.h"
#include "ui/SurfaceImage.h"
#include "ui/Translation.h"
#include "visual/SongInfoDisplay.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>

namespace vantor::test {

namespace {

QString CaptionOf(const MenuItem& item) {
    return ShownText(item.caption);
}

// The captions leading from `menu` down to the item, or empty when absent.
bool PathTo(const MenuItem& menu, const std::string& name, int index, std::vector<QString>& path) {
    for (const MenuItem& child : menu.children) {
        if (child.kind == MenuItemKind::Separator)
            continue;
        path.push_back(CaptionOf(child));
        if (child.name == name && child.index == index)
            return true;
        if (child.kind == MenuItemKind::Submenu && PathTo(child, name, index, path))
            return true;
        path.pop_back();
    }
    return false;
}

QAction* FindAction(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == caption)
            return action;
    }
    return nullptr;
}

std::vector<std::int16_t> SinePcm(double frequency, double seconds, double amplitude) {
    const auto frames = static_cast<std::size_t>(seconds * kHarnessRate);
    std::vector<std::int16_t> samples(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        const double value =
            amplitude * 32767.0 *
            std::sin(2.0 * M_PI * frequency * static_cast<double>(i) / kHarnessRate);
        samples[2 * i] = samples[2 * i + 1] = static_cast<std::int16_t>(std::lround(value));
    }
    return samples;
}

QImage Crop(const QImage& image, const SkinRect& rect) {
    return image.copy(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

bool IsPlaylistField(TextField field) {
    return field >= TextField::PlayListCurrentTrackNumber && field <= TextField::PlayListTime;
}

} // namespace

QPoint Centre(const SkinRect& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

PlayerHarness::PlayerHarness(const QStringList& uiLanguages) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // File associations and cached cover pictures go to the player's
    // folder, never to the user's.
    setenv("XDG_CONFIG_HOME", (m_dir.Path() + "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (m_dir.Path() + "data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (m_dir.Path() + "cache").c_str(), 1);
    QtTestApp();
    std::filesystem::copy(VANTOR_SKIN_FOLDER, m_dir.Path() + "Skin",
                          std::filesystem::copy_options::recursive);
    std::filesystem::copy(VANTOR_CATALOGUE_FOLDER, m_dir.Path() + "translations",
                          std::filesystem::copy_options::recursive);
    UseLanguage(uiLanguages, {m_dir.Path()});
    m_watch.setInterval(5);
    QObject::connect(&m_watch, &QTimer::timeout, [this] { AnswerModalWindows(); });
    m_watch.start();
}

PlayerHarness::~PlayerHarness() {
    if (m_player)
        m_player->Exit(1);
    EXPECT_TRUE(m_fileAnswers.empty()) << "a file dialog the test answered never opened";
    EXPECT_TRUE(m_windowUses.empty()) << "a window the test meant to use never opened";
}

Player& PlayerHarness::Start(std::vector<std::string> args) {
    engine::EngineOptions options;
    options.output = engine::OutputKind::Pull;
    m_player = std::make_unique<Player>(m_dir.Path(), std::move(args), options);
    // The program here is the test runner, which must not start again.
    m_player->startupBridge.startAgain = [this] { ++m_relaunches; };
    m_player->Start();
    // A start only asks for the windows; the desktop shows them at once.
    QApplication::processEvents();
    return *m_player;
}

Player& PlayerHarness::Restart(std::vector<std::string> args) {
    Exit(0);
    return Start(std::move(args));
}

void PlayerHarness::Exit(int mode) {
    if (!m_player)
        return;
    m_player->Exit(mode);
    m_player.reset();
}

void PlayerHarness::Click(QWidget& window, QPoint at, Qt::MouseButton button) {
    QTest::mouseClick(&window, button, Qt::NoModifier, at);
}

void PlayerHarness::Drag(QWidget& window, QPoint from, const std::vector<QPoint>& through) {
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, from);
    for (const QPoint& point : through) {
        QMouseEvent move(QEvent::MouseMove, point, window.mapToGlobal(point), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
    }
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier,
                        through.empty() ? from : through.back());
}

void PlayerHarness::ClickMain(QPoint at, Qt::MouseButton button) {
    Click(m_player->mainWindow.Widget(), at, button);
}

void PlayerHarness::ClickPlaylist(QPoint at, Qt::MouseButton button) {
    Click(m_player->playlistWindowBridge.Widget(), at, button);
}

void PlayerHarness::DragMain(QPoint from, const std::vector<QPoint>& through) {
    Drag(m_player->mainWindow.Widget(), from, through);
}

void PlayerHarness::DragPlaylist(QPoint from, const std::vector<QPoint>& through) {
    Drag(m_player->playlistWindowBridge.Widget(), from, through);
}

void PlayerHarness::ClickMainButton(MainButton button, int region) {
    const SkinButton& regions = m_player->skin.Main(button);
    ASSERT_GE(regions.regionCount, region) << "the skin has no such button region";
    ClickMain(Centre(regions.regions[static_cast<std::size_t>(region)].rect));
}

void PlayerHarness::ClickPlaylistButton(int button, int region) {
    const SkinButton& regions = m_player->skin.playListButtons[static_cast<std::size_t>(button)];
    ASSERT_GE(regions.regionCount, region) << "the skin has no such button region";
    ClickPlaylist(Centre(regions.regions[static_cast<std::size_t>(region)].rect));
}

// The pop-up opens on a right click anywhere on the main window; the face's
// top-left corner lies clear of the analyzer and the song information,
// which have pop-ups of their own.
void PlayerHarness::ChooseMenuItem(const std::string& name, int index, QPoint at) {
    m_menuChoice = {name, index};
    m_menuReadOnly = false;
    m_menuTick.reset();
    ClickMain(at, Qt::RightButton);
    EXPECT_TRUE(m_menuTick.has_value()) << "no menu item " << name << " " << index;
    m_menuChoice.reset();
}

void PlayerHarness::ChoosePlaylistMenuItem(const std::string& caption, QPoint at) {
    m_menuChoice = {caption, -1};
    m_menuByCaption = true;
    m_menuReadOnly = false;
    m_menuTick.reset();
    ClickPlaylist(at, Qt::RightButton);
    EXPECT_TRUE(m_menuTick.has_value()) << "no menu item " << caption;
    m_menuChoice.reset();
    m_menuByCaption = false;
}

std::vector<QString> PlayerHarness::MenuCaptions(QPoint at) {
    m_menuCaptions.emplace();
    ClickMain(at, Qt::RightButton);
    std::vector<QString> captions = std::move(*m_menuCaptions);
    m_menuCaptions.reset();
    return captions;
}

bool PlayerHarness::MenuTicked(const std::string& name, int index, QPoint at) {
    m_menuChoice = {name, index};
    m_menuReadOnly = true;
    m_menuTick.reset();
    ClickMain(at, Qt::RightButton);
    m_menuChoice.reset();
    EXPECT_TRUE(m_menuTick.has_value()) << "no menu item " << name << " " << index;
    return m_menuTick.value_or(false);
}

void PlayerHarness::TapKey(Qt::Key key, Qt::KeyboardModifiers modifiers, QWidget* window) {
    QTest::keyClick(window != nullptr ? window : &m_player->mainWindow.Widget(), key, modifiers);
}

// Under X11 a held key repeats as release and press pairs marked as repeats.
void PlayerHarness::HoldKey(Qt::Key key, int repeats, QWidget* window) {
    QWidget* target = window != nullptr ? window : &m_player->mainWindow.Widget();
    const auto send = [target, key](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < repeats; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
}

void PlayerHarness::AnswerFileDialog(const std::string& path) {
    m_fileAnswers.push_back(path);
}

void PlayerHarness::WhenWindowOpens(std::function<void(QDialog&)> use) {
    m_windowUses.push_back(std::move(use));
}

void PlayerHarness::AnswerModalWindows() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (m_menuCaptions) {
            for (const QAction* action : menu->actions()) {
                if (!action->isSeparator())
                    m_menuCaptions->push_back(action->text().section(QLatin1Char('\t'), 0, 0));
            }
            menu->close();
            return;
        }
        if (m_menuChoice && m_menuTick && !m_menuReadOnly)
            return; // its item is being chosen
        if (!m_menuChoice || m_menuTick) {
            menu->close();
            return;
        }
        std::vector<QString> path;
        bool found = m_menuByCaption;
        if (m_menuByCaption)
            path.push_back(QString::fromStdString(m_menuChoice->first));
        for (const MenuItem* popup : {&MainPopupMenu(), &AnalyzerPopupMenu(), &SongInfoPopupMenu()})
            found = found || PathTo(*popup, m_menuChoice->first, m_menuChoice->second, path);
        if (!found) {
            menu->close();
            return;
        }
        QMenu* level = menu;
        QAction* action = nullptr;
        for (const QString& caption : path) {
            action = level != nullptr ? FindAction(*level, caption) : nullptr;
            if (action == nullptr)
                break;
            level = action->menu();
        }
        if (action == nullptr) {
            menu->close();
            return;
        }
        m_menuTick = action->isChecked();
        if (m_menuReadOnly) {
            menu->close();
            return;
        }
        // The command may open a message box or a dialog, which this timer
        // answers; a timer does not fire again while its own call runs.
        QTimer::singleShot(0, menu, [menu, action] {
            menu->close();
            action->trigger();
        });
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        m_messages.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
        box->accept();
        return;
    }
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        if (m_fileAnswers.empty()) {
            ADD_FAILURE() << "a file dialog opened that the test did not expect: "
                          << dialog->windowTitle().toStdString();
            dialog->reject();
            return;
        }
        const std::string answer = m_fileAnswers.front();
        m_fileAnswers.pop_front();
        if (answer.empty()) {
            dialog->reject();
            return;
        }
        // The dialog leaves its name field as it is while that holds the
        // focus, which it may or may not have been given yet.
        if (QWidget* focused = QApplication::focusWidget();
            focused != nullptr && dialog->isAncestorOf(focused))
            focused->clearFocus();
        dialog->selectFile(QString::fromStdString(answer));
        // The file dialog's own accept, which takes the typed name, is
        // reached through the dialog's public one.
        static_cast<QDialog*>(dialog)->accept();
        return;
    }
    auto* window = qobject_cast<QDialog*>(modal);
    if (window == nullptr || window == m_windowInUse)
        return;
    if (m_windowUses.empty()) {
        ADD_FAILURE() << "a window opened that the test did not expect: "
                      << window->windowTitle().toStdString();
        window->reject();
        return;
    }
    m_windowInUse = window;
    // Used outside this timer's call, so that the dialogs and boxes the
    // window opens in turn are answered.
    QTimer::singleShot(0, window, [this, window, use = std::move(m_windowUses.front())] {
        use(*window);
        if (window->isVisible()) {
            ADD_FAILURE() << "the test left the window open: "
                          << window->windowTitle().toStdString();
            window->reject();
        }
        m_windowInUse = nullptr;
    });
    m_windowUses.pop_front();
}

std::vector<float> PlayerHarness::Listen(double seconds) {
    const auto total = static_cast<std::size_t>(seconds * kHarnessRate);
    std::vector<float> heard(total * 2);
    for (std::size_t done = 0; done < total;) {
        // As much sound as plays in the time the next tick stands for.
        const auto tickFrames = static_cast<std::size_t>(kHarnessRate * m_player->TickMs() / 1000);
        const std::size_t frames = std::min(tickFrames, total - done);
        m_player->sound.Render(heard.data() + done * 2, frames);
        done += frames;
        m_player->Tick();
    }
    return heard;
}

std::string PlayerHarness::WriteTone(const std::string& name, double frequency, double seconds,
                                     double amplitude) {
    const std::string extension = std::filesystem::path(name).extension().string();
    if (extension == ".wav") {
        WaveSpec spec;
        const auto samples = SinePcm(frequency, seconds, amplitude);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples.data());
        spec.data.assign(bytes, bytes + samples.size() * sizeof(std::int16_t));
        return m_dir.Write(name, RiffWave(spec));
    }
    ToneSpec spec;
    spec.frequency = frequency;
    spec.seconds = seconds;
    spec.amplitude = amplitude;
    // Each extension's encoder and muxer; Opus encodes at 48 kHz only.
    static const std::map<std::string, std::pair<std::string, std::string>> kEncoders{
        {".mp3", {"libmp3lame", "mp3"}}, {".ogg", {"libvorbis", "ogg"}},
        {".flac", {"flac", "flac"}},     {".opus", {"libopus", "ogg"}},
        {".m4a", {"aac", "ipod"}},       {".aac", {"aac", "adts"}},
        {".wv", {"wavpack", "wv"}}};
    const auto known = kEncoders.find(extension);
    if (known == kEncoders.end()) {
        ADD_FAILURE() << "no encoder for " << name;
        return {};
    }
    std::tie(spec.encoder, spec.container) = known->second;
    if (extension == ".opus")
        spec.sampleRate = 48000;
    std::string error;
    const std::string path = m_dir.File(name);
    EXPECT_TRUE(EncodeTone(path, spec, &error)) << error;
    return path;
}

QImage PlayerHarness::MainWindowImage() {
    m_player->Present();
    return m_player->mainWindow.Widget().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage PlayerHarness::PlaylistWindowImage() {
    m_player->Present();
    return m_player->playlistWindowBridge.Widget().grab().toImage().convertToFormat(
        QImage::Format_RGB32);
}

QWidget& PlayerHarness::WindowOf(TextField field) {
    if (IsPlaylistField(field))
        return m_player->playlistWindowBridge.Widget();
    return m_player->mainWindow.Widget();
}

QImage PlayerHarness::FieldImage(TextField field) {
    const QImage window = IsPlaylistField(field) ? ToImage(m_player->surfaces.playListWindow)
                                                 : ToImage(m_player->surfaces.mainWindow);
    return Crop(window, m_player->skin.Style(field).rect);
}

QImage PlayerHarness::FieldImageShowing(TextField field, const std::string& text) {
    SkinSurfaces scratch = m_player->surfaces;
    PrepareFieldSurfaces(m_player->skin, scratch);
    TextFieldPainter painter(m_player->skin, scratch, m_player->painter);
    std::string shown = text;
    if (field == TextField::Time || field == TextField::PlayListTime)
        painter.DrawTimeText(text);
    else if (IsPlaylistField(field))
        painter.DrawPlayListText(field, shown);
    else
        painter.DrawInfoText(field, text);
    const QImage window =
        IsPlaylistField(field) ? ToImage(scratch.playListWindow) : ToImage(scratch.mainWindow);
    return Crop(window, m_player->skin.Style(field).rect);
}

bool PlayerHarness::FieldIsBlank(TextField field) {
    return FieldImage(field) == FieldImageShowing(field, "");
}

QImage PlayerHarness::SongLinePicture() {
    return ToImage(m_player->surfaces.songInfoText);
}

QImage PlayerHarness::SongLinePictureShowing(const std::string& line) {
    SkinSurfaces scratch = m_player->surfaces;
    TextFieldPainter fields(m_player->skin, scratch, m_player->painter);
    SongInfoDisplay display(m_player->skin, scratch, m_player->settings, m_player->painter, fields);
    display.DrawSongInfo(line, true);
    return ToImage(scratch.songInfoText);
}

std::optional<std::string> PlayerHarness::StoredSetting(const std::string& key) const {
    std::ifstream file(m_dir.File("Vantor.DVC"));
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == key) {
            std::string value;
            if (!std::getline(file, value))
                return std::nullopt;
            if (!value.empty() && value.back() == '\r')
                value.pop_back();
            return value;
        }
    }
    return std::nullopt;
}

} // namespace vantor::test
