#pragma once

#include <cstdint>

namespace wigglepad {

// The system lock-down as a set of option bits. The bit values are the ones the settings and
// the shell's logic were written against; each bit gets its Linux effect in the shell.
using PresentationOptions = std::uint32_t;

enum class PresentationOption : PresentationOptions {
    hideDock = 2,                    // with hideMenuBar: the window covers the screen, panels too
    hideMenuBar = 8,                 //
    disableProcessSwitching = 32,    // the keyboard is grabbed: no Alt+Tab, Super or workspaces
    disableForceQuit = 64,           //
    disableSessionTermination = 128, // logging out or shutting down is held off
    disableHideApplication = 256,    // a minimised window comes straight back
};

constexpr bool hasOption(PresentationOptions options, PresentationOption option) {
    return (options & static_cast<PresentationOptions>(option)) != 0;
}

// Everything released: the desktop as it was.
inline constexpr PresentationOptions kNoPresentationOptions = 0;
// The child plays: every option.
inline constexpr PresentationOptions kLockedDown = 490;
// The child plays and an adult allowed switching away with a swipe: all but process switching.
inline constexpr PresentationOptions kLockedDownSwipeAllowed = 458;

static_assert(kLockedDown == (2 | 8 | 32 | 64 | 128 | 256));
static_assert(kLockedDownSwipeAllowed ==
              (kLockedDown &
               ~static_cast<PresentationOptions>(PresentationOption::disableProcessSwitching)));

} // namespace wigglepad
