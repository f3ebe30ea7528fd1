#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariant>
#include <functional>

namespace wigglepad {

// One inhibition asked of a desktop service over the session bus. It is asked for without
// waiting, so that a service that is missing or slow to start never stalls the play; a refusal
// or a failed call goes to the refusal handler while the inhibition is still wanted. It is given
// back as soon as it is no longer wanted, also when the grant only arrives after that. Giving
// back waits briefly for the service, so that the service has it before the process can end.
class BusInhibition : public QObject {
public:
    using RefusalHandler = std::function<void(const QString& why)>;

    explicit BusInhibition(const QDBusConnection& bus);

    void setRefusalHandler(RefusalHandler handler) { refusalHandler_ = std::move(handler); }
    void take();
    void release();

protected:
    // The ways of ending the session held off, in both services' flags: logging out (1) and
    // switching user (2).
    static constexpr uint kLogoutAndUserSwitch = 1 | 2;
    // How long giving back waits for the service.
    static constexpr int kGiveBackTimeoutMs = 1000;

    // A handle on the connection (handles share it).
    QDBusConnection bus() const { return bus_; }
    // What the desktop tells a person who tries to log out meanwhile.
    static QString reason() { return QStringLiteral("A child is playing in Wigglepad."); }
    // The call that asks for the inhibition; the first argument of its reply is the grant.
    virtual QDBusMessage request() = 0;
    virtual void giveBack(const QVariant& grant) = 0;
    // The service withdrew a grant, or refused after answering the call.
    void refused(const QString& why);

private:
    enum class State { idle, asking, held };

    void answered(const QDBusMessage& reply);

    QDBusConnection bus_;
    RefusalHandler refusalHandler_;
    State state_ = State::idle;
    bool wanted_ = false;
    QVariant grant_;
};

} // namespace wigglepad
