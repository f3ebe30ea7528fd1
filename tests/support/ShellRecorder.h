#pragma once

#include "SystemShell.h"

#include <string>
#include <vector>

namespace wigglepad {

// A system shell that touches nothing and writes down what the program asked of it, in order,
// as short lines: "attach window", "options 490", "activate", "hide pointer", "unhide pointer",
// "terminate refused", "will terminate", "terminated". Termination asks the delegate like the
// real shell; the test plays the desktop's side (losing activation, a close request).
class ShellRecorder final : public SystemShell {
public:
    void attachWindow(QWindow& window, const QColor& ground) override;
    void setPresentationOptions(PresentationOptions options) override;
    PresentationOptions presentationOptions() const override { return options_; }
    void activate() override;
    void setResignActiveHandler(std::function<void()> handler) override;
    void hidePointer() override;
    void unhidePointer() override;
    void setTerminationDelegate(TerminationDelegate delegate) override;
    void terminate() override;

    // The desktop's side.
    void resignActive();
    void requestWindowClose() { terminate(); }

    // Called as the options change, before the change is noted: a test's look at that moment.
    std::function<void()> beforeOptions;

    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }
    int pointerHides() const { return hides_; }
    int pointerUnhides() const { return unhides_; }
    // Counted as the real pointer counts: a surplus unhide does nothing.
    bool pointerHidden() const { return outstandingHides_ > 0; }
    bool terminated() const { return terminated_; }
    QWindow* window() const { return window_; }

private:
    std::vector<std::string> log_;
    PresentationOptions options_ = kNoPresentationOptions;
    std::function<void()> resignActiveHandler_;
    TerminationDelegate termination_;
    QWindow* window_ = nullptr;
    int hides_ = 0;
    int unhides_ = 0;
    int outstandingHides_ = 0;
    bool terminated_ = false;
};

} // namespace wigglepad
