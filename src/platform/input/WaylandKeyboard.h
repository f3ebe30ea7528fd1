#pragma once

#include "KeyboardLayout.h"

#include <cstdint>
#include <memory>
#include <optional>

struct wl_keyboard;
struct wl_seat;

namespace wigglepad {

// The seat's keyboard as the Wayland compositor describes it to the program, through a
// keyboard object of the program's own beside Qt's: the keymap it sends (again whenever the
// person switches layouts) and the locks and layout group in force.
class WaylandKeyboard {
public:
    // Null off Wayland, or when the compositor has no seat.
    static std::unique_ptr<WaylandKeyboard> forApplication();
    ~WaylandKeyboard();

    WaylandKeyboard(const WaylandKeyboard&) = delete;
    WaylandKeyboard& operator=(const WaylandKeyboard&) = delete;

    // The compositor's latest keymap; null until it has sent one that compiles.
    const KeyboardLayout* layout() const { return layout_ ? &*layout_ : nullptr; }
    std::uint32_t locks() const { return locks_; }
    std::uint32_t group() const { return group_; }

private:
    WaylandKeyboard() = default;
    void setCapabilities(std::uint32_t capabilities);
    void takeKeymap(std::uint32_t format, int fd, std::uint32_t size);

    static void seatCapabilities(void* self, wl_seat* seat, std::uint32_t capabilities);
    static void keymap(void* self, wl_keyboard* keyboard, std::uint32_t format, int fd,
                       std::uint32_t size);
    static void modifiers(void* self, wl_keyboard* keyboard, std::uint32_t serial,
                          std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                          std::uint32_t group);

    wl_seat* seat_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    std::uint32_t capabilities_ = 0;
    std::optional<KeyboardLayout> layout_;
    std::uint32_t locks_ = 0;
    std::uint32_t group_ = 0;
};

} // namespace wigglepad
