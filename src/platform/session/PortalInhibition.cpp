#include "PortalInhibition.h"

#include <QDBusObjectPath>

namespace wigglepad {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInhibitInterface = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");
const char* const kResponseSlot = SLOT(responded(uint, QVariantMap));

// The portal's answer when the desktop agreed.
constexpr uint kGranted = 0;

} // namespace

PortalInhibition::PortalInhibition(const QDBusConnection& bus)
    : BusInhibition(bus) {}

QDBusMessage PortalInhibition::request() {
    const QString token = QStringLiteral("wigglepad%1").arg(++asked_);
    // Listening before asking, so that a quick answer cannot be missed.
    awaitResponseAt(requestPath(token));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInhibitInterface,
                                                       QStringLiteral("Inhibit"));
    const QVariantMap options{
        {QStringLiteral("reason"), reason()},
        {QStringLiteral("handle_token"), token},
    };
    call << QString() << kLogoutAndUserSwitch << options;
    return call;
}

void PortalInhibition::giveBack(const QVariant& grant) {
    const QString handle = qvariant_cast<QDBusObjectPath>(grant).path();
    if (handle.isEmpty()) {
        return;
    }
    bus().call(QDBusMessage::createMethodCall(kService, handle, kRequestInterface,
                                              QStringLiteral("Close")),
               QDBus::Block, kGiveBackTimeoutMs);
}

void PortalInhibition::responded(uint response, const QVariantMap&) {
    if (response != kGranted) {
        refused(QStringLiteral("the desktop portal refused (response %1)").arg(response));
    }
}

QString PortalInhibition::requestPath(const QString& token) const {
    // The unique name ":1.42" appears in the path as "1_42".
    QString sender = bus().baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalInhibition::awaitResponseAt(const QString& path) {
    // Any sender: the portal may only just have been started for this call.
    if (!awaitedPath_.isEmpty()) {
        bus().disconnect(QString(), awaitedPath_, kRequestInterface, kResponse, this,
                         kResponseSlot);
    }
    awaitedPath_ = path;
    bus().connect(QString(), awaitedPath_, kRequestInterface, kResponse, this, kResponseSlot);
}

} // namespace wigglepad
