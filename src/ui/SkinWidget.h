// A frameless top-level window that shows a surface composed by the skin
// code and takes the shape of its region. It draws nothing of its own: every
// pointer, wheel, key, drop and activation event goes to its listener.
// UI thread only.
#pragma once

#include "gfx/Region.h"
#include "gfx/Surface.h"
#include "ui/X11PixelSender.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QBackingStore;
class QPainter;
class QWindow;
class QMimeData;

namespace vantor {

// The local files of a drop; other URLs are left out.
std::vector<std::string> DroppedFiles(const QMimeData* data);

enum class WindowButton { Left, Right, Middle, Other };

class SkinWidgetListener {
public:
    virtual ~SkinWidgetListener() = default;
    virtual void OnPointerPress(WindowButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void OnPointerMove(int /*x*/, int /*y*/, bool /*leftHeld*/) {}
    virtual void OnPointerRelease(WindowButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void OnDoubleClick(WindowButton /*button*/, int /*x*/, int /*y*/) {}
    // Positive away from the user, in wheel steps of 120.
    virtual void OnWheel(int /*delta*/) {}
    // A Qt key code and whether Ctrl was held: a key pressed (again while
    // it is held down), and a key let go, once, however long it was held.
    virtual void OnKey(int /*key*/, bool /*ctrl*/) {}
    virtual void OnKeyRelease(int /*key*/, bool /*ctrl*/) {}
    virtual void OnFilesDropped(const std::vector<std::string>& /*paths*/) {}
    virtual void OnActivationChanged(bool /*active*/) {}
    virtual void OnMinimisedChanged(bool /*minimised*/) {}
    // The user or the desktop asked to close the window.
    virtual void OnCloseRequested() {}
    virtual void OnLeave() {}
    // The window shows again after its picture was let go while it was
    // hidden: the listener gives it the whole surface to show.
    virtual void OnPictureWanted() {}
};

// A tooltip shown while the pointer rests inside `area`.
struct AreaToolTip {
    QRect area;
    QString text;
};

class SkinWidget : public QWidget {
    Q_OBJECT
public:
    explicit SkinWidget(SkinWidgetListener& listener, QWidget* parent = nullptr);

    // Shows `surface` at the window's size (the window takes its size).
    void ShowSurface(const gfx::Surface& surface);
    // The same when only `written` may differ from what is shown.
    void ShowSurface(const gfx::Surface& surface, const gfx::WrittenArea& written);
    // Lets go of the shown picture while the window is hidden; the listener
    // is asked for the whole surface when it shows again.
    void ReleasePicture();
    // Clips the window to `shape`; an empty region removes the shape.
    void SetShape(const gfx::Region& shape);
    // Replaces the tooltips; the first area holding the pointer wins.
    void SetToolTips(std::vector<AreaToolTip> tips) { m_toolTips = std::move(tips); }

    // The tooltip text at (x, y); empty when none.
    QString ToolTipAt(QPoint at) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Scales what changed of m_image since the last paint into m_deviceImage,
    // all of it when the window went to a screen of another pixel ratio.
    void BringDeviceImageUpToDate(qreal ratio);
    // Takes the surface's text marks; returns the areas whose sharp text
    // appeared or went.
    QRegion TakeTextMarks(const gfx::TextMarks& marks);
    // At 1x: copies the changed pixels into the window's backing store and
    // sends them to the display, without Qt's repaint of the widget (region
    // bookkeeping, a paint event, a painter), which costs more than the copy
    // when a few fields change many times a second. False when the backing
    // store is not a plain picture of the window; the widget repaints then.
    bool SendToDisplay(const gfx::Surface& surface, const QRegion& changed);
    // Copies `changed` of the surface into the backing store's picture
    // within a paint; that picture, or null when the store has no plain 1x
    // picture of the window.
    QImage* PaintIntoStore(QBackingStore& store, const gfx::Surface& surface,
                           const QRegion& changed);
    // At 1x, once the backing store holds the whole picture: compares the
    // written areas with the store, copies what differs into it and sends
    // that to the display. The store is then the only copy of the picture.
    // False while the store does not hold the picture.
    bool ShowThroughStore(const gfx::Surface& surface, const gfx::WrittenArea& written);
    // Sends `changed` of `picture` (what the store holds there) to the
    // display: straight to an X window, or through the store otherwise.
    void PutOnDisplay(QWindow& window, QBackingStore& store, const QImage& picture,
                      const QRegion& changed);
    // The store's picture when it holds the whole picture shown; null
    // otherwise (not yet painted whole, or made anew since).
    QImage* StoreInStep(QBackingStore& store) const;
    // Paints `region` at 1x from the picture, wherever it is kept; with none
    // kept, the listener is asked to show it first.
    void PaintAtOneToOne(QPainter& painter, const QRegion& region);
    // The window's device pixels per pixel.
    qreal PixelRatio();
    // The backing store's picture, while painting, when it is a plain 1x
    // picture of the window's size that opaque pixels can be copied into;
    // null otherwise.
    QImage* PictureOf(QBackingStore& store) const;
    // Brings `area` of m_backdrop up to date with m_image.
    void RefreshBackdrop(const QRegion& area);

    SkinWidgetListener& m_listener;
    // What the window shows, kept in step with the last surface: at 1x only
    // until the backing store holds it whole; at other ratios the picture
    // the scaled one is made from.
    QImage m_image;
    X11PixelSender m_x11;
    qreal m_ratio = 0.0; // PixelRatio's answer; 0 until asked again
    // The pixels of the backing store's picture while it holds the whole
    // picture shown (see StoreInStep); a store made anew has other pixels.
    const uchar* m_storeBits = nullptr;
    // Whether the window was hidden by the player, its picture let go.
    bool m_pictureReleased = false;
    // While a paint asks the listener for the picture it has nowhere else.
    bool m_paintingFromListener = false;
    QRegion m_shape;
    // m_image at the screen's pixel ratio when that is not 1, and the parts
    // of m_image that changed since it was scaled.
    QImage m_deviceImage;
    qreal m_deviceRatio = 1.0;
    QRegion m_deviceStale;
    // The font text on the window, drawn again sharp at a higher pixel
    // ratio over m_backdrop: m_image with the text's own pixels taken out.
    gfx::TextMarks::Items m_marks;
    QImage m_backdrop;
    std::vector<AreaToolTip> m_toolTips;
};

} // namespace vantor
