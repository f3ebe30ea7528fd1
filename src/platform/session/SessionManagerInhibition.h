#pragma once

#include "BusInhibition.h"

namespace wigglepad {

// Logging out and switching user held off through the GNOME session manager, for desktops
// without the portal's Inhibit: its cookie gives the inhibition back, and the session manager
// drops it itself when the program leaves the bus.
class SessionManagerInhibition final : public BusInhibition {
public:
    explicit SessionManagerInhibition(const QDBusConnection& bus);

protected:
    QDBusMessage request() override;
    void giveBack(const QVariant& grant) override;
};

} // namespace wigglepad
