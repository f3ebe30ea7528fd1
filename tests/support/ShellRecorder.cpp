#include "ShellRecorder.h"

namespace wigglepad {

void ShellRecorder::setPresentationOptions(PresentationOptions options) {
    if (beforeOptions)
        beforeOptions();
    options_ = options;
    log.push_back("options " + std::to_string(options));
}

void ShellRecorder::terminate() {
    if (terminated)
        return;
    if (termination_.shouldTerminate && !termination_.shouldTerminate()) {
        log.emplace_back("terminate refused");
        return;
    }
    log.emplace_back("will terminate");
    if (termination_.willTerminate)
        termination_.willTerminate();
    terminated = true;
    log.emplace_back("terminated");
}

} // namespace wigglepad
