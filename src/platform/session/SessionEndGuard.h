#pragma once

namespace wigglepad {

// Holds off the end of the user's session (logging out, shutting down) while the child plays.
class SessionEndGuard {
public:
    virtual ~SessionEndGuard() = default;
    virtual void setHoldingOff(bool holdOff) = 0;
};

} // namespace wigglepad
