#include "FramePlacement.h"

#include "Placement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace quorvel::ui {
namespace {

// How long the first showing waits at most for a window manager that says
// it answers and has not yet: a stalled window manager must not keep the
// game off the screen. The window is then put right when the answer comes.
constexpr int AnswerWaitMilliseconds = 1000;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

std::array<xcb_atom_t, 3> atoms(xcb_connection_t* connection, const std::array<const char*, 3>& names)
{
    std::array<xcb_intern_atom_cookie_t, 3> asked{};
    std::transform(names.begin(), names.end(), asked.begin(), [connection](const char* name) {
        return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    });
    std::array<xcb_atom_t, 3> found{};
    std::transform(asked.begin(), asked.end(), found.begin(), [connection](xcb_intern_atom_cookie_t cookie) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    });
    return found;
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window)
{
    const Reply<xcb_query_tree_reply_t> reply(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    return reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

// Whether the running window manager lists `request` among what it supports.
bool supports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t supported, xcb_atom_t request)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto* listed = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const auto* end = listed + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t);
    return std::find(listed, end, request) != end;
}

std::optional<QMargins> readFrame(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents, qreal ratio)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    std::array<uint32_t, 4> announced{};
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != int(sizeof announced))
        return std::nullopt;
    std::memcpy(announced.data(), xcb_get_property_value(reply.get()), sizeof announced);
    return announcedFrame(announced, ratio);
}

} // namespace

FramePlacement::FramePlacement(QWidget& window, std::function<QPoint(const QMargins&)> frameAt)
    : QObject(&window), window_(window), frameAt_(std::move(frameAt))
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto [supported, request, extents] =
        atoms(connection, {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"});
    nativeWindow_ = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootOf(connection, nativeWindow_);
    if (extents == XCB_ATOM_NONE || root == XCB_WINDOW_NONE)
        return;
    extentsAtom_ = extents;
    QCoreApplication::instance()->installNativeEventFilter(this);
    if (!supports(connection, root, supported, request))
        return;
    xcb_client_message_event_t question{};
    question.response_type = XCB_CLIENT_MESSAGE;
    question.format = 32;
    question.window = nativeWindow_;
    question.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&question));
    xcb_flush(connection);
    awaited_ = true;
    QTimer::singleShot(AnswerWaitMilliseconds, this, [this] {
        if (awaited_)
            answered(frame());
    });
}

bool FramePlacement::holdsShowing(bool visible)
{
    showingHeld_ = visible && awaited_;
    return showingHeld_;
}

void FramePlacement::placeFirstTime()
{
    if (!placed_) {
        placed_ = true;
        placeIn(frame());
    }
}

bool FramePlacement::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
        mapped_ = mapped_ || static_cast<const xcb_map_notify_event_t*>(message)->window == nativeWindow_;
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    if (change->window != nativeWindow_ || change->atom != extentsAtom_ || change->state != XCB_PROPERTY_NEW_VALUE)
        return false;
    if (const std::optional<QMargins> frame =
            readFrame(x11Connection(), nativeWindow_, extentsAtom_, window_.devicePixelRatio())) {
        announced_ = frame;
        answered(*frame);
    }
    return false;
}

// The first answer lets the held showing go on. The window manager
// announces the frame again as it takes the window on, before it maps it:
// if that frame is another, the window is put right. Once the window has been
// on screen its place is the player's.
void FramePlacement::answered(const QMargins& frame)
{
    if (awaited_) {
        awaited_ = false;
        if (showingHeld_)
            window_.setVisible(true);
    } else if (placed_ && !mapped_ && frame != placedIn_) {
        placeIn(frame);
    }
}

// The window's own top left is its client area's, inside the frame.
void FramePlacement::placeIn(const QMargins& frame)
{
    placedIn_ = frame;
    window_.setGeometry(QRect(frameAt_(frame) + QPoint(frame.left(), frame.top()), window_.size()));
}

// A window the window manager has said nothing of, which it has not framed
// either, is taken to get the frame of the window it belongs to, so that it
// opens centred and not a title bar's height off.
QMargins FramePlacement::frame() const
{
    if (announced_)
        return *announced_;
    const QMargins known = frameMargins(window_);
    if (known.isNull() && window_.parentWidget())
        return frameMargins(*window_.parentWidget()->window());
    return known;
}

} // namespace quorvel::ui
