#include "SessionManagerInhibition.h"

namespace wigglepad {
namespace {

const QString kService = QStringLiteral("org.gnome.SessionManager");
const QString kPath = QStringLiteral("/org/gnome/SessionManager");
const QString kInterface = QStringLiteral("org.gnome.SessionManager");

// No window named: the inhibition is the program's, whatever window is in front.
constexpr uint kNoToplevel = 0;

} // namespace

SessionManagerInhibition::SessionManagerInhibition(const QDBusConnection& bus)
    : BusInhibition(bus) {}

QDBusMessage SessionManagerInhibition::request() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Inhibit"));
    call << QStringLiteral("wigglepad") << kNoToplevel << reason() << kLogoutAndUserSwitch;
    return call;
}

void SessionManagerInhibition::giveBack(const QVariant& grant) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Uninhibit"));
    call << grant.toUInt();
    bus().call(call, QDBus::Block, kGiveBackTimeoutMs);
}

} // namespace wigglepad
