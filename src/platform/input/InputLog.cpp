#include "InputLog.h"

Q_LOGGING_CATEGORY(inputLog, "wigglepad.input", QtInfoMsg)
