// The playlist window's behaviour without its pixels: pointer, keys,
// buttons, drops, menus, the timers' ticks and dragging the window. The Qt
// window forwards its events here and draws what the view is asked to.
// Holds the window's own state; borrows the context. UI thread only.
#pragma once

#include "platform/PointerButton.h"

#include "platform/TextMeasurer.h"
#include "playlist/PlaylistContext.h"
#include "playlist/PlaylistRows.h"
#include "playlist/PlaylistView.h"
#include "playlist/TagReader.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// Indices of the skin's playlist buttons.
enum PlaylistButton : std::int32_t {
    kButtonClose = 0,
    kButtonAddTrack = 1,
    kButtonDeleteTrack = 2,
    kButtonClear = 3,
    kButtonLoad = 4,
    kButtonSave = 5,
    kButtonUp = 6,
    kButtonDown = 7,
    kButtonMoveUp = 8,
    kButtonMoveDown = 9,
    kButtonLink = 10,
    kButtonStop = 11,
    kButtonPause = 12,
    kButtonNext = 13,
    kButtonPrevious = 14,
    kButtonPlay = 15,
    kButtonOpen = 16,
    kButtonAbout = 17,
    kButtonChangeSkin = 18,
};

inline constexpr std::int32_t kRepeatInterval = 30;

struct PlaylistWindowState {
    // Set by a left press on a row; a double click is honoured only then.
    bool DragArmed = false;
    // The total play time of the entries the tag reader has read so far.
    std::string TotalTimeText;
    // The up (-1) or down (+1) button held while the repeat timer runs.
    std::int32_t repeatStep = 0;
    // A right press on a row opened the row menu, which takes its release.
    bool rowMenuOpened = false;
    // Dragging the window by its face: where the press was inside it.
    PixelPoint pressOffset;
    bool faceMoved = false;
};

class PlaylistWindow {
public:
    PlaylistWindow(PlaylistContext& context, const TextMeasurer& measurer)
        : m_context(context), m_measurer(measurer) {}

    const PlaylistWindowState& State() const { return m_state; }
    std::vector<RowText> Rows() const;

    // The list area; `y` is pixels from the list's top.
    void OnListPress(std::int32_t y, PointerButton button);
    void OnListRelease(PointerButton button);
    void OnListDoubleClick();
    void OnListDrag(std::int32_t y);
    void OnScrollField(std::int32_t y);

    void OnKeyDown();
    void OnKeyUp();
    void OnEnter();

    void OnButtonPress(std::int32_t button);
    // `region` is the index of the button's skin region that was released.
    void OnButtonRelease(std::int32_t button, std::int32_t region = 0);
    void OnRepeatTick();
    void OnTagReaderTick(const TagReadBudget& budget = {});

    void OnDrop(const std::vector<std::string>& files);
    void OnMenuDelete();
    void OnMenuInformation();
    // The close button, or the desktop closing the window: it hides, and
    // the settings know it is hidden.
    void Close();

    // Dragging the window by its face; positions are screen pixels.
    void OnFacePress(PixelPoint pointer);
    void OnFaceDrag(PixelPoint pointer, const std::array<PixelPoint, 4>& linkPoints);

private:
    // The entry under list position `y`; -1 below the last entry.
    std::int32_t EntryAt(std::int32_t y) const;
    void MoveSelection(std::int32_t step);
    void OpenAndPlaySelected();
    void MoveSelectedEntry(std::int32_t to);
    void DeleteSelectedEntry();
    void ShowReadTotal();
    void ClearList();
    void LoadPlaylist();
    void SavePlaylist();
    void ToggleLink();

    PlaylistContext& m_context;
    const TextMeasurer& m_measurer;
    PlaylistWindowState m_state;
};

} // namespace vantor
