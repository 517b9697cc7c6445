#include "platform/qt/x11_frame_extents.h"

#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/qt/xcb_reply.h"

namespace lwviz::qt {
namespace {

// How long the window manager may take to answer: a little, at the start of the program only.
constexpr qint64 kAnswerMs = 100;

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window's property, or none.
ReplyPtr<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t name, xcb_atom_t type) {
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32 || reply->type != type) {
        return nullptr;
    }
    return reply;
}

bool offered(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request) {
    const auto supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (!supported) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == request) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<QMargins> frameExtentsAhead(QWindow& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return std::nullopt;
    }
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (screens.rem == 0) {
        return std::nullopt;
    }
    // Asked of the server once, not at every opening of a window: Qt keeps one connection.
    struct Asked {
        xcb_atom_t request;
        xcb_atom_t extents;
        bool offered;
    };
    static const Asked asked = [&] {
        const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
        return Asked{request, atom(connection, "_NET_FRAME_EXTENTS"),
                     offered(connection, screens.data->root, request)};
    }();
    if (!asked.offered) {
        return std::nullopt;
    }
    const xcb_atom_t request = asked.request;
    const xcb_atom_t extents = asked.extents;
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = request;
    xcb_send_event(connection, 0, screens.data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
    QElapsedTimer waited;
    waited.start();
    do {
        if (const auto answer = property(connection, id, extents, XCB_ATOM_CARDINAL);
            answer && xcb_get_property_value_length(answer.get()) == 16) {
            std::array<std::uint32_t, 4> lrtb{};
            std::memcpy(lrtb.data(), xcb_get_property_value(answer.get()), sizeof lrtb);
            return QMargins(static_cast<int>(lrtb[0]), static_cast<int>(lrtb[2]),
                            static_cast<int>(lrtb[1]), static_cast<int>(lrtb[3]));
        }
        QThread::msleep(1);
    } while (waited.elapsed() < kAnswerMs);
    return std::nullopt;
}

}  // namespace lwviz::qt
