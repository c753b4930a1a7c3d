#include "ui/SkinWidget.h"

#include "ui/DeviceScaling.h"
#include "ui/SharpText.h"
#include "ui/SurfaceImage.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QShowEvent>
#include <QToolTip>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <QtMath>

#include <algorithm>

namespace vantor {

namespace {

WindowButton ToButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return WindowButton::Left;
    case Qt::RightButton:
        return WindowButton::Right;
    case Qt::MiddleButton:
        return WindowButton::Middle;
    default:
        return WindowButton::Other;
    }
}

// The pixel under the pointer. On a screen of a higher pixel ratio the
// pointer stands between logical pixels; a device pixel belongs to the
// logical pixel its left and top edges lie in, as drawn.
QPoint PixelAt(QPointF position) {
    return {qFloor(position.x()), qFloor(position.y())};
}

// A modifier on its own is not a command key.
bool IsModifier(int key) {
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

} // namespace

std::vector<std::string> DroppedFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr)
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    }
    return paths;
}

SkinWidget::SkinWidget(SkinWidgetListener& listener, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_listener(listener) {
    setAcceptDrops(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinWidget::ShowSurface(const gfx::Surface& surface) {
    ShowSurface(surface, gfx::WrittenArea(surface.Bounds()));
}

void SkinWidget::ShowSurface(const gfx::Surface& surface, const gfx::WrittenArea& written) {
    if (m_paintingFromListener) {
        // Asked for by a paint that had nothing to draw from.
        CopyChangedPixels(surface, m_image, written);
        m_marks = surface.Marks().All();
        return;
    }
    // The player presents after every tick; most ticks change nothing or a
    // few fields, and only those go to the display.
    const qreal ratio = PixelRatio();
    const QSize size(surface.Width(), surface.Height());
    if (this->size() != size)
        setFixedSize(size);
    const QRegion marked = TakeTextMarks(surface.Marks());
    if (ratio == 1.0 && ShowThroughStore(surface, written))
        return;
    const QRegion changed = CopyChangedPixels(surface, m_image, written) + marked;
    if (changed.isEmpty())
        return;
    if (ratio == 1.0) {
        // Sent at once rather than on a posted update: the tick's changes
        // reach the display in the same pass of the event loop, without a
        // second pass and the wake-up that posting it costs.
        if (!SendToDisplay(surface, changed))
            repaint(changed);
        return;
    }
    RefreshBackdrop(changed);
    QRegion affected;
    for (const QRect& rect : changed)
        affected += DeviceChangeArea(rect, ratio, m_image.rect());
    m_deviceStale += affected;
    update(affected);
}

bool SkinWidget::ShowThroughStore(const gfx::Surface& surface, const gfx::WrittenArea& written) {
    QBackingStore* store = backingStore();
    QImage* shown = store != nullptr ? StoreInStep(*store) : nullptr;
    if (shown == nullptr)
        return false;
    const QRegion changed = ChangedPixels(surface, *shown, written);
    if (!changed.isEmpty()) {
        shown = PaintIntoStore(*store, surface, changed);
        if (shown == nullptr)
            return false;
    }
    // The store holds the picture now; a copy of it would only double it.
    m_image = QImage();
    m_backdrop = QImage();
    m_deviceImage = QImage();
    QWindow* window = windowHandle();
    if (changed.isEmpty() || window == nullptr || !window->isExposed())
        return true;
    PutOnDisplay(*window, *store, *shown, changed);
    return true;
}

bool SkinWidget::SendToDisplay(const gfx::Surface& surface, const QRegion& changed) {
    QWindow* window = windowHandle();
    QBackingStore* store = backingStore();
    if (window == nullptr || store == nullptr || !window->isExposed() ||
        store->size() != m_image.size())
        return false;
    // The store keeps what the window shows: Qt puts it back on the display
    // by itself when the window is uncovered. Once it holds the whole
    // picture, the picture is kept there alone.
    QImage* shown = PaintIntoStore(*store, surface, changed);
    if (shown == nullptr)
        return false;
    if (changed.contains(shown->rect()))
        m_storeBits = shown->constBits();
    PutOnDisplay(*window, *store, *shown, changed);
    return true;
}

QImage* SkinWidget::PaintIntoStore(QBackingStore& store, const gfx::Surface& surface,
                                   const QRegion& changed) {
    // The store's picture is asked for within the paint: a scaled store
    // hands out a new one for each.
    store.beginPaint(changed);
    QImage* shown = PictureOf(store);
    if (shown != nullptr)
        CopyPixels(surface, changed, *shown);
    store.endPaint();
    return shown;
}

void SkinWidget::PutOnDisplay(QWindow& window, QBackingStore& store, const QImage& picture,
                              const QRegion& changed) {
    if (!m_x11.Send(window.winId(), picture, changed))
        store.flush(changed, &window);
}

QImage* SkinWidget::StoreInStep(QBackingStore& store) const {
    QImage* picture = PictureOf(store);
    return picture != nullptr && m_storeBits != nullptr && picture->constBits() == m_storeBits
               ? picture
               : nullptr;
}

QImage* SkinWidget::PictureOf(QBackingStore& store) const {
    QPaintDevice* device = store.paintDevice();
    auto* image = device != nullptr && device->devType() == QInternal::Image
                      ? static_cast<QImage*>(device)
                      : nullptr;
    // The shown picture is opaque, and opaque pixels are the same in both
    // of the formats a window's backing store has. Just after a move
    // between screens, the store may still hold a picture of another size.
    if (image == nullptr || image->devicePixelRatio() != 1.0 || image->size() != size() ||
        (image->format() != QImage::Format_RGB32 &&
         image->format() != QImage::Format_ARGB32_Premultiplied))
        return nullptr;
    return image;
}

QRegion SkinWidget::TakeTextMarks(const gfx::TextMarks& marks) {
    const gfx::TextMarks::Items& taken = marks.All();
    if (taken == m_marks)
        return {};
    QRegion moved;
    const auto note = [&moved](const auto& from, const auto& other) {
        for (const auto& mark : from) {
            if (std::find(other.begin(), other.end(), mark) == other.end())
                moved += ToQRect(mark->area);
        }
    };
    note(taken, m_marks);
    note(m_marks, taken);
    m_marks = taken;
    return moved;
}

void SkinWidget::RefreshBackdrop(const QRegion& area) {
    if (m_backdrop.size() != m_image.size() || m_backdrop.format() != m_image.format()) {
        m_backdrop = m_image.copy();
    } else {
        for (const QRect& rect : area)
            CopyRect(m_image, rect, m_backdrop, rect.topLeft());
    }
    for (const auto& mark : m_marks) {
        if (!area.intersects(ToQRect(mark->area)) || !ShowsMark(m_image, *mark))
            continue;
        for (const QRect& rect : area)
            PasteUnder(m_backdrop, *mark, rect);
    }
}

void SkinWidget::ReleasePicture() {
    if (isVisible())
        return;
    m_pictureReleased = true;
    // A hidden window is not drawn, and its pictures are the largest thing
    // it holds; the size stays, so the window reappears where it was.
    m_image = QImage();
    m_backdrop = QImage();
    m_deviceImage = QImage();
    m_deviceStale = QRegion();
}

void SkinWidget::SetShape(const gfx::Region& shape) {
    m_shape = ToQRegion(shape);
    if (m_shape.isEmpty())
        clearMask();
    else
        setMask(m_shape);
    // Scaled edges take their colours from inside the shape.
    m_deviceStale = m_image.rect();
}

QString SkinWidget::ToolTipAt(QPoint at) const {
    for (const AreaToolTip& tip : m_toolTips) {
        if (tip.area.contains(at))
            return tip.text;
    }
    return {};
}

qreal SkinWidget::PixelRatio() {
    // The widget finds its ratio through its window and screen, which costs
    // more than many a frame's copy; it changes only with the screen, and a
    // paint asks anew.
    if (m_ratio <= 0.0)
        m_ratio = devicePixelRatioF();
    return m_ratio;
}

bool SkinWidget::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        m_ratio = 0.0;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        m_ratio = 0.0;
#endif
    if (event->type() == QEvent::ScreenChangeInternal && !m_shape.isEmpty()) {
        // The desktop's mask is in device pixels: a screen of another pixel
        // ratio needs it scaled anew.
        clearMask();
        setMask(m_shape);
    }
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = ToolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void SkinWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_ratio = 0.0;
    if (m_pictureReleased) {
        m_pictureReleased = false;
        m_listener.OnPictureWanted();
    }
}

void SkinWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A window the desktop hides (minimised, on another desktop) comes back
    // as it was; one the player hides may stay hidden for long.
    if (!event->spontaneous())
        ReleasePicture();
}

void SkinWidget::paintEvent(QPaintEvent* event) {
    // Usually only the few pixels that changed are asked for, in a few
    // rectangles apart from each other.
    const QRect area = event->rect();
    QPainter painter(this);
    m_ratio = devicePixelRatioF();
    const qreal ratio = m_ratio;
    if (ratio == 1.0) {
        PaintAtOneToOne(painter, event->region());
        // Changes are not followed at 1×: a screen of another ratio later
        // scales the whole picture anew.
        m_deviceRatio = 1.0;
        return;
    }
    BringDeviceImageUpToDate(ratio);
    // Device pixels go to the screen one for one; a logical pixel of the
    // area may share its edge pixels with a neighbour, so one more around it
    // is drawn and the painter clips.
    const QRect device = ToDeviceRect(area.adjusted(-1, -1, 1, 1), ratio);
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.drawImage(device.topLeft(), m_deviceImage, device);
}

void SkinWidget::PaintAtOneToOne(QPainter& painter, const QRegion& region) {
    QBackingStore* store = backingStore();
    const QImage* kept = store != nullptr ? StoreInStep(*store) : nullptr;
    const bool intoStore = store != nullptr && painter.paintEngine() != nullptr &&
                           painter.paintEngine()->paintDevice() == store->paintDevice();
    // The store already shows the picture; Qt only puts it on the display.
    if (kept != nullptr && intoStore)
        return;
    if (m_image.isNull() && kept == nullptr) {
        m_paintingFromListener = true;
        m_listener.OnPictureWanted();
        m_paintingFromListener = false;
    }
    const QImage& picture = m_image.isNull() && kept != nullptr ? *kept : m_image;
    if (picture.isNull())
        return;
    for (const QRect& rect : region)
        painter.drawImage(rect.topLeft(), picture, rect);
    const QImage* target = intoStore ? PictureOf(*store) : nullptr;
    if (target != nullptr && region.contains(target->rect()))
        m_storeBits = target->constBits();
}

void SkinWidget::BringDeviceImageUpToDate(qreal ratio) {
    const QSize deviceSize = ToDeviceRect(m_image.rect(), ratio).size();
    if (ratio != m_deviceRatio || m_deviceImage.size() != deviceSize) {
        m_deviceRatio = ratio;
        m_deviceImage = QImage(deviceSize, QImage::Format_RGB32);
        m_deviceStale = m_image.rect();
        RefreshBackdrop(m_image.rect());
    }
    if (m_deviceStale.isEmpty())
        return;
    std::vector<QRect> blocks;
    QRegion scaled;
    for (const QRect& stale : m_deviceStale) {
        blocks.push_back(ScalableBlock(stale, ratio, m_image.rect()));
        scaled += blocks.back();
    }
    std::vector<const gfx::TextMark*> shown;
    for (const auto& mark : m_marks) {
        if (scaled.intersects(ToQRect(mark->area)) && ShowsMark(m_image, *mark))
            shown.push_back(mark.get());
    }
    const QImage& picture = shown.empty() ? m_image : m_backdrop;
    QPainter painter(&m_deviceImage);
    for (const QRect& block : blocks) {
        const QRect deviceBlock = ToDeviceRect(block, ratio);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(deviceBlock.topLeft(), ScaleToDevice(picture, m_shape, block, ratio));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (const gfx::TextMark* mark : shown)
            DrawSharpText(painter, *mark, ratio, deviceBlock);
    }
    m_deviceStale = {};
}

void SkinWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = PixelAt(event->position());
    m_listener.OnPointerPress(ToButton(event->button()), at.x(), at.y());
}

void SkinWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = PixelAt(event->position());
    m_listener.OnPointerMove(at.x(), at.y(), (event->buttons() & Qt::LeftButton) != 0);
}

void SkinWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = PixelAt(event->position());
    m_listener.OnPointerRelease(ToButton(event->button()), at.x(), at.y());
}

void SkinWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = PixelAt(event->position());
    m_listener.OnDoubleClick(ToButton(event->button()), at.x(), at.y());
}

void SkinWidget::wheelEvent(QWheelEvent* event) {
    m_listener.OnWheel(event->angleDelta().y());
    event->accept();
}

void SkinWidget::keyPressEvent(QKeyEvent* event) {
    if (!IsModifier(event->key()))
        m_listener.OnKey(event->key(), (event->modifiers() & Qt::ControlModifier) != 0);
}

void SkinWidget::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats as releases and presses marked as repeats; only the
    // release that lets it go counts.
    if (!IsModifier(event->key()) && !event->isAutoRepeat())
        m_listener.OnKeyRelease(event->key(), (event->modifiers() & Qt::ControlModifier) != 0);
}

void SkinWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void SkinWidget::dropEvent(QDropEvent* event) {
    const auto paths = DroppedFiles(event->mimeData());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    m_listener.OnFilesDropped(paths);
}

void SkinWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange)
        m_listener.OnActivationChanged(isActiveWindow());
    else if (event->type() == QEvent::WindowStateChange)
        m_listener.OnMinimisedChanged(isMinimized());
    QWidget::changeEvent(event);
}

void SkinWidget::closeEvent(QCloseEvent* event) {
    // The player decides when and how it ends.
    event->ignore();
    m_listener.OnCloseRequested();
}

void SkinWidget::leaveEvent(QEvent*) {
    m_listener.OnLeave();
}

} // namespace vantor
