#include "WaylandKeyboard.h"

#include "InputLog.h"
#include "WaylandGlobal.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace wigglepad {
namespace {

// Only the keymap and the modifiers tell what keys type; Qt's own keyboard hears the rest.
void ignoreEnter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
void ignoreLeave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
void ignoreKey(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}

// The keymap's text, read from the file the compositor shares; empty when it cannot be read.
std::string readKeymap(int fd, std::uint32_t size) {
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped == MAP_FAILED) {
        return {};
    }
    const auto* text = static_cast<const char*>(mapped);
    std::string keymap(text, strnlen(text, size));
    munmap(mapped, size);
    return keymap;
}

} // namespace

std::unique_ptr<WaylandKeyboard> WaylandKeyboard::forApplication() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display =
        native != nullptr
            ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))
            : nullptr;
    if (display == nullptr) {
        return nullptr;
    }
    static constexpr wl_seat_listener kSeatListener = {seatCapabilities, nullptr};
    std::unique_ptr<WaylandKeyboard> keyboard(new WaylandKeyboard);
    WaylandGlobal seat[] = {{&wl_seat_interface, &kSeatListener, keyboard.get()}};
    WaylandGlobal::bindAll(display, seat);
    keyboard->seat_ = static_cast<wl_seat*>(seat[0].proxy);
    if (keyboard->seat_ == nullptr) {
        return nullptr;
    }
    // Its keyboard is made now that the seat is on Qt's queue, so that its events come there.
    keyboard->setCapabilities(keyboard->capabilities_);
    return keyboard;
}

WaylandKeyboard::~WaylandKeyboard() {
    // Without the application its connection to the compositor is gone, and with it every proxy.
    if (QGuiApplication::instance() == nullptr || seat_ == nullptr) {
        return;
    }
    if (keyboard_ != nullptr) {
        wl_keyboard_destroy(keyboard_);
    }
    wl_seat_destroy(seat_);
}

void WaylandKeyboard::seatCapabilities(void* self, wl_seat*, std::uint32_t capabilities) {
    auto& keyboard = *static_cast<WaylandKeyboard*>(self);
    keyboard.capabilities_ = capabilities;
    if (keyboard.seat_ != nullptr) {
        keyboard.setCapabilities(capabilities);
    }
}

// A seat gains a keyboard when one is plugged in (or a program types through a virtual one)
// and loses it when the last goes.
void WaylandKeyboard::setCapabilities(std::uint32_t capabilities) {
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasKeyboard && keyboard_ == nullptr) {
        static constexpr wl_keyboard_listener kListener = {keymap,    ignoreEnter, ignoreLeave,
                                                           ignoreKey, modifiers,   nullptr};
        keyboard_ = wl_seat_get_keyboard(seat_);
        wl_keyboard_add_listener(keyboard_, &kListener, this);
    } else if (!hasKeyboard && keyboard_ != nullptr) {
        wl_keyboard_destroy(keyboard_);
        keyboard_ = nullptr;
    }
}

void WaylandKeyboard::keymap(void* self, wl_keyboard*, std::uint32_t format, int fd,
                             std::uint32_t size) {
    static_cast<WaylandKeyboard*>(self)->takeKeymap(format, fd, size);
    close(fd);
}

// A keymap that cannot be read or compiled leaves the previous one in force.
void WaylandKeyboard::takeKeymap(std::uint32_t format, int fd, std::uint32_t size) {
    if (format != WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        qCWarning(inputLog) << "the compositor's keymap is in an unknown format" << format;
        return;
    }
    KeyboardLayout layout = KeyboardLayout::fromKeymapText(readKeymap(fd, size));
    if (!layout.isValid()) {
        qCWarning(inputLog) << "the compositor's keymap does not compile; keeping the last one";
        return;
    }
    layout_ = std::move(layout);
    qCDebug(inputLog) << "keymap from the compositor," << size << "bytes";
}

void WaylandKeyboard::modifiers(void* self, wl_keyboard*, std::uint32_t, std::uint32_t,
                                std::uint32_t, std::uint32_t locked, std::uint32_t group) {
    auto& keyboard = *static_cast<WaylandKeyboard*>(self);
    keyboard.locks_ = locked;
    keyboard.group_ = group;
}

} // namespace wigglepad
