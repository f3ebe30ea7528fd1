#include "SavedMode.h"

#include "SettingsKeys.h"
#include "SettingsStore.h"

namespace wigglepad {

std::optional<PlayMode> loadSavedMode(const SettingsStore& store) {
    if (!store.boolValue(kModeChosenKey).value_or(false)) {
        return std::nullopt;
    }
    const std::optional<std::string> raw = store.stringValue(kModeKey);
    return raw ? parsePlayMode(*raw) : std::nullopt;
}

void saveMode(SettingsStore& store, PlayMode mode) {
    store.setString(kModeKey, rawValue(mode));
    store.setBool(kModeChosenKey, true);
}

void forgetModeChoice(SettingsStore& store) {
    store.setBool(kModeChosenKey, false);
}

bool loadAllowSwipe(const SettingsStore& store) {
    return store.boolValue(kAllowSwipeKey).value_or(false);
}

void saveAllowSwipe(SettingsStore& store, bool allowed) {
    store.setBool(kAllowSwipeKey, allowed);
}

bool loadSound(const SettingsStore& store) {
    return store.boolValue(kSoundKey).value_or(false);
}

void saveSound(SettingsStore& store, bool on) {
    store.setBool(kSoundKey, on);
}

} // namespace wigglepad
