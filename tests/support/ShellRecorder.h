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
    void attachWindow(QWindow& attached, const QColor&) override {
        window = &attached;
        log.emplace_back("attach window");
    }
    void setPresentationOptions(PresentationOptions options) override;
    PresentationOptions presentationOptions() const override { return options_; }
    void activate() override { log.emplace_back("activate"); }
    void setResignActiveHandler(std::function<void()> handler) override {
        resignActive = std::move(handler);
    }
    void hidePointer() override { log.emplace_back("hide pointer"); }
    void unhidePointer() override { log.emplace_back("unhide pointer"); }
    void setTerminationDelegate(TerminationDelegate delegate) override {
        termination_ = std::move(delegate);
    }
    void terminate() override;

    std::vector<std::string> log;
    QWindow* window = nullptr;
    bool terminated = false;
    std::function<void()> resignActive;
    // Called as the options change, before the change is noted: a test's look at that moment.
    std::function<void()> beforeOptions;

private:
    PresentationOptions options_ = kNoPresentationOptions;
    TerminationDelegate termination_;
};

} // namespace wigglepad
