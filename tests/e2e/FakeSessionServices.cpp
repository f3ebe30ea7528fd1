// Stand-ins for the desktop's session services on a private session bus, for the session-end
// test: the desktop portal's Inhibit with its request objects, and the GNOME session manager's
// Inhibit and Uninhibit. Reports on stdout, one line each:
//   ready                                   the services are on the bus
//   portal inhibit <flags> <reason>         an inhibition was asked of the portal
//   portal close                            a held portal inhibition was closed
//   session-manager inhibit <flags> <app>   an inhibition was asked of the session manager
//   session-manager uninhibit               a held cookie was given back
//   vanished holding <n>                    a caller left the bus still holding n inhibitions
// Arguments choose the services: "--portal grant", "--portal refuse" (answers with Response 2),
// "--portal slow" (grants a second late), and "--session-manager".
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

constexpr int kSlowReplyMs = 1000;
constexpr uint kRefused = 2;

void report(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The inhibitions held, by caller: what the real services drop when a caller leaves the bus.
class Holdings {
public:
    explicit Holdings(const QDBusConnection& bus)
        : watcher_(QString(), bus, QDBusServiceWatcher::WatchForUnregistration) {
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered,
                         [this](const QString& caller) { vanished(caller); });
    }

    void take(const QString& caller, const QString& grant) {
        watcher_.addWatchedService(caller);
        held_[caller].insert(grant);
    }
    // Whether the caller held the grant.
    bool giveBack(const QString& caller, const QString& grant) {
        return held_[caller].erase(grant) > 0;
    }

private:
    void vanished(const QString& caller) {
        report(QStringLiteral("vanished holding %1").arg(held_[caller].size()));
        held_.erase(caller);
        watcher_.removeWatchedService(caller);
    }

    QDBusServiceWatcher watcher_;
    std::map<QString, std::set<QString>> held_;
};

class FakePortal final : public QDBusVirtualObject {
public:
    FakePortal(Holdings& holdings, QString mode)
        : holdings_(holdings)
        , mode_(std::move(mode)) {}

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() == QLatin1String("Inhibit")) {
            inhibit(message, bus);
        } else if (message.member() == QLatin1String("Close")) {
            if (holdings_.giveBack(message.service(), message.path())) {
                report(QStringLiteral("portal close"));
            }
            bus.send(message.createReply());
        } else {
            return false;
        }
        return true;
    }

    QString introspect(const QString&) const override { return {}; }

private:
    void inhibit(const QDBusMessage& message, const QDBusConnection& bus) {
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().at(2));
        report(QStringLiteral("portal inhibit %1 %2")
                   .arg(message.arguments().at(1).toUInt())
                   .arg(options.value(QStringLiteral("reason")).toString()));
        QString caller = message.service().mid(1);
        caller.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/") + caller +
                               QLatin1Char('/') +
                               options.value(QStringLiteral("handle_token")).toString();
        const bool refuse = mode_ == QLatin1String("refuse");
        if (!refuse) {
            holdings_.take(message.service(), handle);
        }
        message.setDelayedReply(true);
        QTimer::singleShot(mode_ == QLatin1String("slow") ? kSlowReplyMs : 0, [=] {
            bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
            QDBusMessage response = QDBusMessage::createTargetedSignal(
                message.service(), handle, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"));
            response << (refuse ? kRefused : 0u) << QVariantMap();
            bus.send(response);
        });
    }

    Holdings& holdings_;
    QString mode_;
};

class FakeSessionManager final : public QDBusVirtualObject {
public:
    explicit FakeSessionManager(Holdings& holdings)
        : holdings_(holdings) {}

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        const QList<QVariant> arguments = message.arguments();
        if (message.member() == QLatin1String("Inhibit")) {
            report(QStringLiteral("session-manager inhibit %1 %2")
                       .arg(arguments.at(3).toUInt())
                       .arg(arguments.at(0).toString()));
            const uint cookie = ++cookies_;
            holdings_.take(message.service(), QString::number(cookie));
            bus.send(message.createReply(cookie));
        } else if (message.member() == QLatin1String("Uninhibit")) {
            if (holdings_.giveBack(message.service(), QString::number(arguments.at(0).toUInt()))) {
                report(QStringLiteral("session-manager uninhibit"));
            }
            bus.send(message.createReply());
        } else {
            return false;
        }
        return true;
    }

    QString introspect(const QString&) const override { return {}; }

private:
    Holdings& holdings_;
    uint cookies_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QDBusConnection bus = QDBusConnection::sessionBus();
    Holdings holdings(bus);

    const qsizetype portalAt = arguments.indexOf(QStringLiteral("--portal"));
    FakePortal portal(holdings, arguments.value(portalAt + 1));
    if (portalAt > 0) {
        bus.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                  QDBusConnection::SubPath);
        bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    FakeSessionManager sessionManager(holdings);
    if (arguments.contains(QStringLiteral("--session-manager"))) {
        bus.registerVirtualObject(QStringLiteral("/org/gnome/SessionManager"), &sessionManager);
        bus.registerService(QStringLiteral("org.gnome.SessionManager"));
    }
    report(QStringLiteral("ready"));
    return QCoreApplication::exec();
}
