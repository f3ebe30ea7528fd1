#pragma once

namespace wigglepad {

// Hides the system pointer by pushing a blank override cursor. Hides are counted: one unhide
// undoes one hide, and an unhide with no hide outstanding does nothing, so a surplus unhide
// cannot show the pointer early after a later hide.
class OverrideCursorPointer {
public:
    OverrideCursorPointer() = default;
    OverrideCursorPointer(const OverrideCursorPointer&) = delete;
    OverrideCursorPointer& operator=(const OverrideCursorPointer&) = delete;
    // Gives back every hide still outstanding.
    ~OverrideCursorPointer();

    void hide();
    void unhide();
    // Undoes every outstanding hide at once, for the way out.
    void showAll();

    bool isHidden() const { return hides_ > 0; }

private:
    int hides_ = 0;
};

} // namespace wigglepad
