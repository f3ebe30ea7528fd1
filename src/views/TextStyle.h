#pragma once

namespace wigglepad {

// The semantic text styles the adult screens name, largest first. TypeScale gives their faces.
enum class TextStyle {
    title2,
    title3,
    headline,
    body,
    subheadline,
    footnote,
    caption,
};

} // namespace wigglepad
