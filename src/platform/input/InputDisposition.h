#pragma once

namespace wigglepad {

// What becomes of an input event once the routing has seen it.
enum class InputDisposition {
    passOn,  // delivered to the window and its widgets as usual
    swallow, // dropped: no widget sees it
};

} // namespace wigglepad
