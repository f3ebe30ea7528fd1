#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <memory>

namespace wigglepad {

// Turns SIGTERM, SIGINT and SIGHUP (the system or a terminal ending the process) into a call on
// the main thread. The signal handler only writes the signal's number into a pipe; a socket
// notifier on the event loop reads it, so nothing unsafe runs inside the handler. One instance
// at a time; destroying it puts the previous handlers back.
class TerminationSignals final : public QObject {
public:
    explicit TerminationSignals(std::function<void(int signal)> onSignal);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void drain();

    std::function<void(int)> onSignal_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[3] = {};
};

} // namespace wigglepad
