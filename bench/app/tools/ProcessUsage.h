#pragma once

#include <sys/types.h>

namespace wigglepad {

// What a running process has used so far, read from /proc.
class ProcessUsage {
public:
    explicit ProcessUsage(pid_t pid)
        : pid_(pid) {}

    // User and system time of the whole process, all threads, in seconds.
    double cpuSeconds() const;
    // The memory it holds resident now, and the most it has held, in MiB.
    double rssMiB() const;
    double peakRssMiB() const;

private:
    double statusKiB(const char* field) const;

    pid_t pid_;
};

} // namespace wigglepad
