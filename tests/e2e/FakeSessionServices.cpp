// Stand-ins for the desktop's session services on a private session bus, for the session-end
// test: the desktop portal's Inhibit with its request objects, and the GNOME session manager's
// Inhibit and Uninhibit, chosen by "--portal grant|refuse|slow" (slow: a second late) and
// "--session-manager". Reports on stdout, one line each: "ready", "portal inhibit <flags>
// <reason>", "portal close" (of a held one), "session-manager inhibit <flags> <app>",
// "session-manager uninhibit" (of a held cookie), "vanished holding <n>" (a caller left the bus
// still holding n inhibitions).
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QTimer>
#include <cstdio>
#include <map>
#include <set>

namespace {

void report(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Both services, told apart by the object path; the inhibitions held are kept by
// caller, as the real services drop them when a caller leaves the bus.
class FakeServices final : public QDBusVirtualObject {
public:
    FakeServices(const QDBusConnection& bus, QString portalMode)
        : watcher_(QString(), bus, QDBusServiceWatcher::WatchForUnregistration)
        , portalMode_(std::move(portalMode)) {
        QObject::connect(
            &watcher_, &QDBusServiceWatcher::serviceUnregistered, [this](const QString& caller) {
                report(QStringLiteral("vanished holding %1").arg(held_[caller].size()));
                held_.erase(caller);
                watcher_.removeWatchedService(caller);
            });
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        const QList<QVariant> arguments = message.arguments();
        const QString caller = message.service();
        const bool portal = message.path().startsWith(QLatin1String("/org/freedesktop"));
        if (message.member() == QLatin1String("Inhibit") && portal) {
            portalInhibit(message, bus);
        } else if (message.member() == QLatin1String("Inhibit")) {
            report(QStringLiteral("session-manager inhibit %1 %2")
                       .arg(arguments.at(3).toUInt())
                       .arg(arguments.at(0).toString()));
            take(caller, QString::number(++cookies_));
            bus.send(message.createReply(cookies_));
        } else if (message.member() == QLatin1String("Close") ||
                   message.member() == QLatin1String("Uninhibit")) {
            const QString grant = portal ? message.path() : arguments.at(0).toString();
            if (held_[caller].erase(grant) > 0) {
                report(portal ? QStringLiteral("portal close")
                              : QStringLiteral("session-manager uninhibit"));
            }
            bus.send(message.createReply());
        } else {
            return false;
        }
        return true;
    }

    QString introspect(const QString&) const override { return {}; }

private:
    void take(const QString& caller, const QString& grant) {
        watcher_.addWatchedService(caller);
        held_[caller].insert(grant);
    }

    void portalInhibit(const QDBusMessage& message, const QDBusConnection& bus) {
        const auto options = qdbus_cast<QVariantMap>(message.arguments().at(2));
        report(QStringLiteral("portal inhibit %1 %2")
                   .arg(message.arguments().at(1).toUInt())
                   .arg(options.value(QStringLiteral("reason")).toString()));
        const QString handle =
            QStringLiteral("/org/freedesktop/portal/desktop/request/") +
            message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) +
            QLatin1Char('/') + options.value(QStringLiteral("handle_token")).toString();
        const bool refuse = portalMode_ == QLatin1String("refuse");
        if (!refuse)
            take(message.service(), handle);
        message.setDelayedReply(true);
        QTimer::singleShot(portalMode_ == QLatin1String("slow") ? 1000 : 0, [=] {
            bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
            QDBusMessage response = QDBusMessage::createTargetedSignal(
                message.service(), handle, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"));
            response << (refuse ? 2u : 0u) << QVariantMap();
            bus.send(response);
        });
    }

    QDBusServiceWatcher watcher_;
    QString portalMode_;
    std::map<QString, std::set<QString>> held_;
    uint cookies_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QDBusConnection bus = QDBusConnection::sessionBus();
    const qsizetype portalAt = arguments.indexOf(QStringLiteral("--portal"));
    FakeServices services(bus, arguments.value(portalAt + 1));
    if (portalAt > 0) {
        bus.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), &services,
                                  QDBusConnection::SubPath);
        bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    if (arguments.contains(QStringLiteral("--session-manager"))) {
        bus.registerVirtualObject(QStringLiteral("/org/gnome/SessionManager"), &services);
        bus.registerService(QStringLiteral("org.gnome.SessionManager"));
    }
    report(QStringLiteral("ready"));
    return QCoreApplication::exec();
}
