// Puts changed rectangles of a window's picture straight onto its X window.
// Qt's own flush first uploads the bounding box of everything changed into a
// pixmap on the server and then copies that to the window; for a window whose
// analyzer, time and song line change many times a second in small separate
// fields, that sends many unchanged pixels and costs most of a frame. Here
// each changed rectangle goes to the window in one request (or a few for a
// large one), with one graphics context per window that is made once.
#pragma once

#include <QRegion>

#include <cstddef>
#include <cstdint>
#include <vector>

class QImage;
struct xcb_connection_t;

namespace vantor {

class X11PixelSender {
public:
    X11PixelSender() = default;
    ~X11PixelSender();
    X11PixelSender(const X11PixelSender&) = delete;
    X11PixelSender& operator=(const X11PixelSender&) = delete;

    // Sends `area` of `picture` (the window's pixels, 32 bits each, at one
    // device pixel per pixel) to the X window `window`. False when this
    // display cannot take them this way: not X11, or a window whose pixels
    // are not 32-bit true colour in this machine's byte order; the caller
    // sends them otherwise then.
    bool Send(std::uintptr_t window, const QImage& picture, const QRegion& area);

private:
    // Looks at a window seen for the first time: its depth, its visual and
    // the server's pixel format for that depth. Makes the graphics context
    // when the pixels can be sent as they are.
    void Prepare(xcb_connection_t* connection, std::uint32_t window);
    void Release();

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_window = 0;
    std::uint32_t m_context = 0;
    std::uint8_t m_depth = 0;
    std::size_t m_largestRequest = 0; // bytes
    bool m_usable = false;
    // A rectangle's rows one after the other, as a request carries them,
    // at most a few tens of kilobytes; kept, so that a frame allocates
    // nothing.
    std::vector<std::uint8_t> m_rows;
};

} // namespace vantor
