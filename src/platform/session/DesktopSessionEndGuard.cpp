#include "DesktopSessionEndGuard.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <ostream>

namespace wigglepad {

DesktopSessionEndGuard::DesktopSessionEndGuard(std::ostream& errors, const QDBusConnection& bus)
    : cannotBlock_(errors)
    , busConnected_(bus.isConnected())
    , portal_(bus)
    , sessionManager_(bus) {
    portal_.setRefusalHandler([this](const QString&) { portalRefused(); });
    sessionManager_.setRefusalHandler([this](const QString& why) {
        cannotBlock(QStringLiteral("neither the desktop portal nor the session manager would "
                                   "hold it off: ") +
                    why);
    });
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // Direct: the session manager's request is only valid while it is being asked.
        connect(application, &QGuiApplication::commitDataRequest, this,
                &DesktopSessionEndGuard::answerQuitRequest, Qt::DirectConnection);
    }
}

DesktopSessionEndGuard::~DesktopSessionEndGuard() {
    setHoldingOff(false);
}

void DesktopSessionEndGuard::setHoldingOff(bool holdOff) {
    if (holdOff == holdingOff_) {
        return;
    }
    holdingOff_ = holdOff;
    if (!holdOff) {
        portal_.release();
        sessionManager_.release();
        return;
    }
    if (!busConnected_) {
        cannotBlock(QStringLiteral("there is no session bus"));
        return;
    }
    portal_.take();
}

void DesktopSessionEndGuard::portalRefused() {
    if (holdingOff_) {
        sessionManager_.take();
    }
}

void DesktopSessionEndGuard::answerQuitRequest(QSessionManager& manager) const {
    // Without interaction the session ends anyway (a forced shutdown): nothing to answer.
    if (holdingOff_ && manager.allowsInteraction()) {
        manager.cancel();
    }
}

void DesktopSessionEndGuard::cannotBlock(const QString& why) {
    cannotBlock_.say("logging out cannot be blocked here (" + why.toStdString() +
                     "); play goes on.");
}

} // namespace wigglepad
