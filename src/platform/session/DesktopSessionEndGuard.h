#pragma once

#include "PortalInhibition.h"
#include "SaidOnce.h"
#include "SessionEndGuard.h"
#include "SessionManagerInhibition.h"

#include <QDBusConnection>
#include <QObject>
#include <iosfwd>

class QSessionManager;

namespace wigglepad {

// Holds off the end of the session while the child plays, as far as the desktop lets a program:
// - the desktop portal is asked to inhibit logging out and switching user;
// - where there is no portal or it refuses, the GNOME session manager is asked the same;
// - an X11 session manager's request to quit is answered with cancel.
// Holding off ends with everything given back. Without a session bus, or with no service
// willing, play goes on and the person is told once that logging out cannot be blocked here.
// A process that is killed outright leaves the bus, and the services drop its inhibitions then.
class DesktopSessionEndGuard final : public QObject, public SessionEndGuard {
public:
    explicit DesktopSessionEndGuard(std::ostream& errors,
                                    const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~DesktopSessionEndGuard() override;

    DesktopSessionEndGuard(const DesktopSessionEndGuard&) = delete;
    DesktopSessionEndGuard& operator=(const DesktopSessionEndGuard&) = delete;

    void setHoldingOff(bool holdOff) override;

private:
    void portalRefused();
    void answerQuitRequest(QSessionManager& manager) const;
    void cannotBlock(const QString& why);

    SaidOnce cannotBlock_;
    bool busConnected_;
    PortalInhibition portal_;
    SessionManagerInhibition sessionManager_;
    bool holdingOff_ = false;
};

} // namespace wigglepad
