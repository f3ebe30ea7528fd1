#pragma once

#include "DisplayKeyboard.h"
#include "InputDisposition.h"
#include "InputEvent.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

class QKeyEvent;
class QWindow;

namespace wigglepad {

// Watches the kiosk window's input before any widget does: each keyboard and mouse event of the
// eight watched kinds is translated into an InputEvent once and handed to the handler, which
// decides whether the window gets it. Events of other kinds (right-button release, modifier
// keys on their own, double-click notices) pass on untouched.
//
// A held key is one press, then auto-repeat presses, then one release, on every platform: the
// release Qt marks as auto-repeat is dropped, X11 is asked not to send repeat releases at all,
// and a press of a key already down counts as auto-repeat whether Qt marked it or not. A key's
// release says it is the M key when its press did, even if the layout changed in between.
class EventMonitor final : public QObject {
public:
    using Handler = std::function<InputDisposition(const InputEvent&)>;

    EventMonitor(QWindow& window, std::unique_ptr<DisplayKeyboard> keyboard, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The facts of a Qt event, or nothing when it is not one of the watched kinds.
    std::optional<InputEvent> translate(const QEvent& event);
    InputEvent keyFacts(InputEvent::Kind kind, const QKeyEvent& event);
    void noteHeldKeys(const QKeyEvent& event, InputEvent& facts);

    std::unique_ptr<DisplayKeyboard> keyboard_;
    Handler handler_;
    // The keys now down, by scan code (or Qt key for keys made by programs), and whether each
    // was the M key when pressed.
    std::unordered_map<std::uint32_t, bool> keysDown_;
};

} // namespace wigglepad
