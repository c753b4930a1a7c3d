#include "ui/X11PixelSender.h"

#include <QGuiApplication>
#include <QImage>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace vantor {

namespace {

constexpr std::size_t kBytesPerPixel = 4;
// The most a request's rows take in the staging buffer. The fields that change
// while playing fit in one request; a whole window, sent when it shows, goes
// in several rather than keeping a buffer of its size for the rest of the run.
constexpr std::size_t kLargestStaging = 32 * 1024;

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPointer<Reply> Owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// Whether the server keeps pixels of `depth` as 32 bits in the byte order of
// this machine, so that a 32-bit QImage row is already a request's row.
bool PixelsAsInMemory(const xcb_setup_t* setup, std::uint8_t depth) {
    const bool sameOrder = (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) ==
                           (std::endian::native == std::endian::little);
    if (!sameOrder)
        return false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem != 0;
         xcb_format_next(&format)) {
        if (format.data->depth == depth)
            return format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
    }
    return false;
}

// Whether `visual` holds red, green and blue where a 32-bit QImage does.
bool IsRgbVisual(const xcb_setup_t* setup, xcb_visualid_t visual) {
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem != 0; xcb_screen_next(&screen)) {
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem != 0;
             xcb_depth_next(&depth)) {
            for (auto type = xcb_depth_visuals_iterator(depth.data); type.rem != 0;
                 xcb_visualtype_next(&type)) {
                if (type.data->visual_id == visual)
                    return type.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                           type.data->red_mask == 0xFF0000u && type.data->green_mask == 0xFF00u &&
                           type.data->blue_mask == 0xFFu;
            }
        }
    }
    return false;
}

} // namespace

X11PixelSender::~X11PixelSender() {
    // A connection that is gone took the context with it.
    if (X11Connection() == m_connection)
        Release();
}

void X11PixelSender::Release() {
    if (m_context != 0 && m_connection != nullptr)
        xcb_free_gc(m_connection, m_context);
    m_context = 0;
    m_usable = false;
}

void X11PixelSender::Prepare(xcb_connection_t* connection, std::uint32_t window) {
    Release();
    m_connection = connection;
    m_window = window;
    const auto geometry =
        Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    const auto attributes = Owned(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    if (!geometry || !attributes)
        return;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    m_depth = geometry->depth;
    if ((m_depth != 24 && m_depth != 32) || !PixelsAsInMemory(setup, m_depth) ||
        !IsRgbVisual(setup, attributes->visual))
        return;
    m_largestRequest = xcb_get_maximum_request_length(connection) * std::size_t{4};
    m_context = xcb_generate_id(connection);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection, m_context, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    m_usable = true;
}

bool X11PixelSender::Send(std::uintptr_t window, const QImage& picture, const QRegion& area) {
    if (picture.depth() != 32 || window == 0)
        return false;
    // A window keeps its id for its life, and the application its connection.
    const auto id = static_cast<std::uint32_t>(window);
    if (id != m_window) {
        xcb_connection_t* connection = X11Connection();
        if (connection == nullptr)
            return false;
        Prepare(connection, id);
    }
    if (!m_usable)
        return false;
    xcb_connection_t* connection = m_connection;
    const std::size_t room =
        std::min(m_largestRequest - sizeof(xcb_put_image_request_t), kLargestStaging);
    for (const QRect& given : area) {
        const QRect rect = given & picture.rect();
        if (rect.isEmpty())
            continue;
        const std::size_t rowBytes = static_cast<std::size_t>(rect.width()) * kBytesPerPixel;
        // Whole rows of a picture without padding lie one after the other
        // already, as a request carries them.
        const bool contiguous = static_cast<std::size_t>(picture.bytesPerLine()) == rowBytes;
        const int rowsPerRequest = static_cast<int>(std::max<std::size_t>(1, room / rowBytes));
        for (int top = rect.top(); top <= rect.bottom(); top += rowsPerRequest) {
            const int rows = std::min(rowsPerRequest, rect.bottom() + 1 - top);
            const std::size_t bytes = rowBytes * static_cast<std::size_t>(rows);
            const std::uint8_t* data = picture.constScanLine(top) + rect.left() * kBytesPerPixel;
            if (!contiguous) {
                m_rows.resize(bytes);
                for (int row = 0; row < rows; ++row)
                    std::memcpy(m_rows.data() + rowBytes * static_cast<std::size_t>(row),
                                data + picture.bytesPerLine() * row, rowBytes);
                data = m_rows.data();
            }
            xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, id, m_context,
                          static_cast<std::uint16_t>(rect.width()),
                          static_cast<std::uint16_t>(rows), static_cast<std::int16_t>(rect.left()),
                          static_cast<std::int16_t>(top), 0, m_depth,
                          static_cast<std::uint32_t>(bytes), data);
        }
    }
    xcb_flush(connection);
    return true;
}

} // namespace vantor
