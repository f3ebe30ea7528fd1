#pragma once

struct xcb_connection_t;

namespace wigglepad {

// The application's own X connection, or null when it does not run on X11 (the offscreen
// platform offers the X11 interface too, without a connection behind it).
xcb_connection_t* applicationX11Connection();

} // namespace wigglepad
