// Says whether the X server shows a pointer: "hidden" when the current cursor image has no
// visible pixel, "visible" otherwise. Usage: wigglepad_cursor_probe
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) {
        std::fprintf(stderr, "no cursor image\n");
        return 2;
    }
    bool visible = false;
    const unsigned long pixels = static_cast<unsigned long>(image->width) * image->height;
    for (unsigned long i = 0; i < pixels; ++i) {
        // Each pixel is premultiplied ARGB in a long; any alpha shows.
        visible = visible || ((image->pixels[i] >> 24) & 0xff) != 0;
    }
    std::puts(visible ? "visible" : "hidden");
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
