#pragma once

#include "PlayMode.h"

#include <optional>

namespace wigglepad {

class SettingsStore;

// The mode an adult chose with Start, or none while "wigglepad.modeChosen" is not true.
std::optional<PlayMode> loadSavedMode(const SettingsStore& store);

// Stores the mode's raw value, then marks the choice as made.
void saveMode(SettingsStore& store, PlayMode mode);

// Marks the choice as not made, keeping the mode: the next start opens with the mode menu.
void forgetModeChoice(SettingsStore& store);

// The stored swipe setting; false when absent or ill-typed.
bool loadAllowSwipe(const SettingsStore& store);
void saveAllowSwipe(SettingsStore& store, bool allowed);

// The stored sound setting; false (silent) when absent or ill-typed.
bool loadSound(const SettingsStore& store);
void saveSound(SettingsStore& store, bool on);

} // namespace wigglepad
