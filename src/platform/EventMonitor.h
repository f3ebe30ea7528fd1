#pragma once

#include "InputDisposition.h"
#include "InputEvent.h"
#include "KeyboardLayout.h"

#include <QObject>
#include <functional>
#include <optional>

class QKeyEvent;
class QWindow;

namespace wigglepad {

// Watches the kiosk window's input before any widget does: each keyboard and mouse event of the
// eight watched kinds is translated into an InputEvent once and handed to the handler, which
// decides whether the window gets it. Events of other kinds (right-button release, modifier
// keys on their own, double-click notices) pass on untouched.
class EventMonitor final : public QObject {
public:
    using Handler = std::function<InputDisposition(const InputEvent&)>;

    EventMonitor(QWindow& window, KeyboardLayout layout, Handler handler);

    // The facts of a Qt event, or nothing when it is not one of the watched kinds.
    std::optional<InputEvent> translate(const QEvent& event) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputEvent keyFacts(InputEvent::Kind kind, const QKeyEvent& event) const;

    KeyboardLayout layout_;
    Handler handler_;
};

} // namespace wigglepad
