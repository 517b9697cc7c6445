#include "platform/qt/x11_window_manager.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/qt/qt_window_manager.h"
#include "platform/qt/xcb_reply.h"

namespace lwviz::qt {
namespace {

// _NET_WM_STATE actions and the EWMH source indication of a pager, so the window manager
// applies a restack even to a window that does not have the focus.
constexpr std::uint32_t kStateRemove = 0;
constexpr std::uint32_t kStateAdd = 1;
constexpr std::uint32_t kSourceApplication = 1;
constexpr std::uint32_t kSourcePager = 2;

}  // namespace

X11WindowManager::X11WindowManager(xcb_connection_t* connection, std::uint32_t root)
    : connection_(connection), root_(root) {
    static constexpr std::array<const char*, kAtoms> kNames = {
        "_NET_ACTIVE_WINDOW", "_NET_WM_STATE", "_NET_WM_STATE_ABOVE", "_NET_RESTACK_WINDOW"};
    // Ask for all atoms first, then collect the answers: one round trip.
    std::array<xcb_intern_atom_cookie_t, kAtoms> cookies{};
    for (std::size_t i = 0; i < kAtoms; ++i) {
        cookies.at(i) = xcb_intern_atom(
            connection_, 0, static_cast<std::uint16_t>(std::strlen(kNames.at(i))), kNames.at(i));
    }
    for (std::size_t i = 0; i < kAtoms; ++i) {
        const ReplyPtr<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection_, cookies.at(i), nullptr));
        atoms_.at(i) = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
}

NativeWindow X11WindowManager::foregroundWindow() {
    // While one of the program's own windows has the keyboard, Qt knows which from the focus
    // events of its activation; only another program's window needs the server's answer, a
    // round trip every second otherwise.
    if (const QWindow* own = QGuiApplication::focusWindow(); own != nullptr) {
        return static_cast<NativeWindow>(own->winId());
    }
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection_, 0, root_, atoms_[kActiveWindow], XCB_ATOM_WINDOW, 0, 1);
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection_, cookie, nullptr));
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4) {
        return 0;
    }
    std::uint32_t active = 0;
    std::memcpy(&active, xcb_get_property_value(reply.get()), sizeof active);
    return active;
}

void X11WindowManager::removeTopmost(NativeWindow window) { setAbove(window, false); }

void X11WindowManager::makeTopmost(NativeWindow window) { setAbove(window, true); }

void X11WindowManager::setAbove(NativeWindow window, bool on) {
    if (window == 0 || window > UINT32_MAX) {
        return;
    }
    const auto id = static_cast<std::uint32_t>(window);
    sendToRoot(id, atoms_[kWmState],
               {on ? kStateAdd : kStateRemove, atoms_[kWmStateAbove], 0, kSourceApplication, 0});
    // Then to the top of its (new) layer: sibling none, stack mode Above.
    sendToRoot(id, atoms_[kRestackWindow], {kSourcePager, 0, XCB_STACK_MODE_ABOVE, 0, 0});
    xcb_flush(connection_);
}

void X11WindowManager::sendToRoot(std::uint32_t window, std::uint32_t type,
                                  std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::memcpy(event.data.data32, data.data(), sizeof event.data.data32);
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

std::unique_ptr<WindowManager> makeWindowManager() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            xcb_connection_t* connection = x11->connection();
            const xcb_screen_iterator_t screens =
                xcb_setup_roots_iterator(xcb_get_setup(connection));
            if (connection != nullptr && screens.rem > 0) {
                return std::make_unique<X11WindowManager>(connection, screens.data->root);
            }
        }
    }
    std::fprintf(stderr,
                 "LW-VIZ: no X11 window manager on the \"%s\" platform: Always On Top keeps "
                 "only this program's own windows on top; other programs' windows are left "
                 "alone.\n",
                 QGuiApplication::platformName().toLocal8Bit().constData());
    return std::make_unique<QtWindowManager>();
}

}  // namespace lwviz::qt
