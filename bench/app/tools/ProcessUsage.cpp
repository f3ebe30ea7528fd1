#include "ProcessUsage.h"

#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace wigglepad {

double ProcessUsage::cpuSeconds() const {
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which may hold spaces: state is field 3, utime 14.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string skip;
    for (int field = 3; field < 14; ++field) {
        fields >> skip;
    }
    double utime = 0;
    double stime = 0;
    fields >> utime >> stime;
    return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double ProcessUsage::rssMiB() const {
    return statusKiB("VmRSS:") / 1024.0;
}

double ProcessUsage::peakRssMiB() const {
    return statusKiB("VmHWM:") / 1024.0;
}

double ProcessUsage::statusKiB(const char* field) const {
    const std::string name(field);
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name, 0) == 0) {
            return std::stod(line.substr(name.size()));
        }
    }
    return 0.0;
}

} // namespace wigglepad
