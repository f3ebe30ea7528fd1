// Writes the settings file over and over through the real store, flipping between two complete
// sets of values, until it is killed. Prints "writing" once the first write is done.
// Usage: wigglepad_settings_churn <settings file>
#include "QtSettingsStore.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <settings file>\n", argv[0]);
        return 2;
    }
    wigglepad::QtSettingsStore store(QString::fromLocal8Bit(argv[1]), std::cerr);
    for (long round = 0;; ++round) {
        const bool even = round % 2 == 0;
        store.setString("wigglepad.mode", even ? "lettersNumbers" : "sensory");
        store.setBool("wigglepad.modeChosen", even);
        if (round == 0) {
            std::puts("writing");
            std::fflush(stdout);
        }
    }
}
