#pragma once

#include <QLoggingCategory>

// The diagnostic of keyboard input, for people reporting that a key shows the wrong thing: each
// key's facts (position, layout group, locks, what it types) and what it spawned. Off by
// default; QT_LOGGING_RULES="wigglepad.input.debug=true" turns it on, on standard error.
Q_DECLARE_LOGGING_CATEGORY(inputLog)
