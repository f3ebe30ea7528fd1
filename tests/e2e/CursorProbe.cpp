// Says whether the X server shows a pointer: "hidden" when the current cursor image has no
// visible pixel, "visible" otherwise. Usage: wigglepad_cursor_probe
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    XFixesCursorImage* image = display ? XFixesGetCursorImage(display) : nullptr;
    if (!image) {
        std::fprintf(stderr, "no X display or no cursor image\n");
        return 2;
    }
    bool visible = false;
    // Premultiplied ARGB, a pixel in each long: any alpha shows.
    for (unsigned long i = 0; i < static_cast<unsigned long>(image->width) * image->height; ++i)
        visible = visible || (image->pixels[i] >> 24 & 0xff) != 0;
    std::puts(visible ? "visible" : "hidden");
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
