#pragma once

#include "BusInhibition.h"

#include <QVariantMap>

namespace wigglepad {

// Logging out and switching user held off through the desktop portal's Inhibit, which answers
// with a request object: its Response signal says whether the desktop agreed, and closing it
// gives the inhibition back. The portal also drops it when the program leaves the bus.
class PortalInhibition final : public BusInhibition {
    Q_OBJECT

public:
    explicit PortalInhibition(const QDBusConnection& bus);

protected:
    QDBusMessage request() override;
    void giveBack(const QVariant& grant) override;

private slots:
    void responded(uint response, const QVariantMap& results);

private:
    // Where the portal puts the request made with this token, known before asking.
    QString requestPath(const QString& token) const;
    void awaitResponseAt(const QString& path);

    int asked_ = 0;
    QString awaitedPath_;
};

} // namespace wigglepad
