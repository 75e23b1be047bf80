#include "designer/shell/window_translucency.h"

#include <cstdlib>
#include <memory>
#include <string_view>

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace shell {
namespace {

// The compositing manager of the first screen owns this selection (the
// freedesktop window manager hints, EWMH).
constexpr std::string_view kCompositorSelection = "_NET_WM_CM_S0";

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

bool CompositorRuns(xcb_connection_t* connection) {
    const xcb_intern_atom_cookie_t atomCookie = xcb_intern_atom(
        connection, 0, static_cast<std::uint16_t>(kCompositorSelection.size()), kCompositorSelection.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr));
    if (!atom) return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeReply> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

}  // namespace

bool PlatformDrawsTranslucentWindows() {
    // Wayland always composites; offscreen and other platforms draw no desktop.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return true;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && x11->connection() && CompositorRuns(x11->connection());
}

}  // namespace shell
