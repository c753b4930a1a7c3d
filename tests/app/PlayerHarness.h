// Runs the real player in a folder of its own (the shipped skins beside it,
// the engine on its pull output, Qt offscreen) and uses it the way a person
// does: clicks on skin buttons, keys, the pop-up menu, drops, and answers to
// the message boxes and file dialogs it opens. Tests then look where a person
// would: the sound it makes, the window's pixels, the menu's ticks, the
// files on disk. Test-only; UI thread.
#pragma once

#include "app/Player.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantor::test {

inline constexpr int kHarnessRate = 44100;

// A message box the player showed, as the user saw it.
struct SeenMessage {
    std::string title;
    std::string text;
    bool operator==(const SeenMessage&) const = default;
};

class PlayerHarness {
public:
    // The player speaks the language the desktop's `uiLanguages` ask for
    // (QLocale's names, "ja_JP" or "en_US"): Japanese unless told otherwise,
    // whatever the locale of the test run.
    explicit PlayerHarness(const QStringList& uiLanguages = {QStringLiteral("ja_JP")});
    ~PlayerHarness();
    PlayerHarness(const PlayerHarness&) = delete;
    PlayerHarness& operator=(const PlayerHarness&) = delete;

    // The player's folder (AppFolder), with "Skin/" and "translations/"
    // copied into it.
    const TempDir& Dir() const { return m_dir; }

    // Starts a player with these arguments (the parsed command line; {""}
    // is a start without files).
    Player& Start(std::vector<std::string> args = {""});
    Player& player() { return *m_player; }
    // Ends the player as its close button does (settings and playlist
    // saved), then starts a new one in the same folder.
    Player& Restart(std::vector<std::string> args = {""});
    // Ends the player: mode 0 saves, 1 leaves the files alone.
    void Exit(int mode = 0);

    // --- what the user does
    // A left click on the centre of a main-window button's region.
    void ClickMainButton(MainButton button, int region = 0);
    // A left click on the centre of a playlist button's region.
    void ClickPlaylistButton(int button, int region = 0);
    void ClickMain(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void ClickPlaylist(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Presses the left button at `from`, moves to each point, releases at the last.
    void DragPlaylist(QPoint from, const std::vector<QPoint>& through);
    void DragMain(QPoint from, const std::vector<QPoint>& through);
    // Right-clicks the main window (at `at`, by default on the face clear of
    // the fields with pop-ups of their own) and chooses the item `name`
    // (with `index` inside a group) from the pop-up menu that opens.
    void ChooseMenuItem(const std::string& name, int index = -1, QPoint at = {2, 2});
    // Right-clicks the playlist window at `at` and chooses the item captioned
    // `caption` from the pop-up menu that opens there.
    void ChoosePlaylistMenuItem(const std::string& caption, QPoint at);
    // The captions of the pop-up menu's first level, as shown.
    std::vector<QString> MenuCaptions(QPoint at = {2, 2});
    // Whether the item shows a tick when the pop-up menu opens.
    bool MenuTicked(const std::string& name, int index = -1, QPoint at = {2, 2});
    // A key pressed and released in a window (the main one by default).
    void TapKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                QWidget* window = nullptr);
    // A key held long enough for the desktop to repeat it `repeats` times.
    void HoldKey(Qt::Key key, int repeats, QWidget* window = nullptr);

    // --- answers to what the player asks
    // The next file dialog chooses `path`; an empty path cancels it.
    void AnswerFileDialog(const std::string& path);
    // The next window the player shows modally, other than a message box or
    // a file dialog, is handed to `use`, which works it as the user would
    // and closes it. A window left open, or one no test expected, is closed
    // and the test fails.
    void WhenWindowOpens(std::function<void(QDialog&)> use);
    // Message boxes shown so far (each was closed with OK), oldest first.
    const std::vector<SeenMessage>& Messages() const { return m_messages; }
    void ForgetMessages() { m_messages.clear(); }

    // --- what the user hears
    // Plays `seconds` of sound with a playback tick every display frame, as
    // the running player does; returns what the output received (stereo,
    // ±1 scale).
    std::vector<float> Listen(double seconds);
    // Writes a tone file in the player's folder: "wav" is 16-bit PCM, any
    // other extension goes through FFmpeg's encoder for it.
    std::string WriteTone(const std::string& name, double frequency = 440.0, double seconds = 2.0,
                          double amplitude = 0.5);

    // --- what the user sees
    // What the windows show now.
    QImage MainWindowImage();
    QImage PlaylistWindowImage();
    // The pixels of a text field in the window that holds it.
    QImage FieldImage(TextField field);
    // The pixels the field would show holding `text` on the face in use.
    QImage FieldImageShowing(TextField field, const std::string& text);
    // Whether the field shows only the face beneath it.
    bool FieldIsBlank(TextField field);
    // The picture of the song line that scrolls through the song-information
    // field, and the picture `line` would give there.
    QImage SongLinePicture();
    QImage SongLinePictureShowing(const std::string& line);

    // --- the player's other windows
    // A control (or the window itself) of a shown window other than the two
    // skinned ones, by its object name; null when no shown window has one.
    template <typename Control>
    Control* ShownControl(const QString& name) const {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            if (auto* itself = qobject_cast<Control*>(window);
                itself && window->objectName() == name)
                return itself;
            if (auto* control = window->findChild<Control*>(name))
                return control;
        }
        return nullptr;
    }
    // How often the player asked to start the program again.
    int Relaunches() const { return m_relaunches; }

    // --- what is on disk
    // The value line of `key` in Vantor.DVC; nullopt when missing.
    std::optional<std::string> StoredSetting(const std::string& key) const;

private:
    void AnswerModalWindows();
    QWidget& WindowOf(TextField field);
    static void Click(QWidget& window, QPoint at, Qt::MouseButton button);
    static void Drag(QWidget& window, QPoint from, const std::vector<QPoint>& through);

    TempDir m_dir;
    std::unique_ptr<Player> m_player;
    QTimer m_watch;
    std::deque<std::string> m_fileAnswers;
    std::deque<std::function<void(QDialog&)>> m_windowUses;
    QDialog* m_windowInUse = nullptr;
    // The menu item to choose when the next pop-up opens, and what was seen.
    std::optional<std::pair<std::string, int>> m_menuChoice;
    bool m_menuReadOnly = false;
    // The choice is a caption of the menu's first level, not a main menu item.
    bool m_menuByCaption = false;
    // Set while the test only reads the captions of the menu that opens.
    std::optional<std::vector<QString>> m_menuCaptions;
    std::optional<bool> m_menuTick;
    std::vector<SeenMessage> m_messages;
    int m_relaunches = 0;
};

// The centre of a skin rectangle.
QPoint Centre(const SkinRect& rect);

} // namespace vantor::test
