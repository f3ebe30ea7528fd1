#include "ShellRecorder.h"

namespace wigglepad {

void ShellRecorder::attachWindow(QWindow& window, const QColor&) {
    window_ = &window;
    log_.emplace_back("attach window");
}

void ShellRecorder::setPresentationOptions(PresentationOptions options) {
    if (beforeOptions) {
        beforeOptions();
    }
    options_ = options;
    log_.push_back("options " + std::to_string(options));
}

void ShellRecorder::activate() {
    log_.emplace_back("activate");
}

void ShellRecorder::setResignActiveHandler(std::function<void()> handler) {
    resignActiveHandler_ = std::move(handler);
}

void ShellRecorder::hidePointer() {
    ++hides_;
    ++outstandingHides_;
    log_.emplace_back("hide pointer");
}

void ShellRecorder::unhidePointer() {
    ++unhides_;
    if (outstandingHides_ > 0) {
        --outstandingHides_;
    }
    log_.emplace_back("unhide pointer");
}

void ShellRecorder::setTerminationDelegate(TerminationDelegate delegate) {
    termination_ = std::move(delegate);
}

void ShellRecorder::terminate() {
    if (terminated_) {
        return;
    }
    if (termination_.shouldTerminate && !termination_.shouldTerminate()) {
        log_.emplace_back("terminate refused");
        return;
    }
    log_.emplace_back("will terminate");
    if (termination_.willTerminate) {
        termination_.willTerminate();
    }
    terminated_ = true;
    log_.emplace_back("terminated");
}

void ShellRecorder::resignActive() {
    if (resignActiveHandler_) {
        resignActiveHandler_();
    }
}

} // namespace wigglepad
