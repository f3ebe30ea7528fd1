#include "MemorySettingsStore.h"

namespace wigglepad {

std::optional<bool> MemorySettingsStore::boolValue(std::string_view key) const {
    const auto it = values_.find(key);
    if (it == values_.end() || !std::holds_alternative<bool>(it->second)) {
        return std::nullopt;
    }
    return std::get<bool>(it->second);
}

std::optional<std::string> MemorySettingsStore::stringValue(std::string_view key) const {
    const auto it = values_.find(key);
    if (it == values_.end() || !std::holds_alternative<std::string>(it->second)) {
        return std::nullopt;
    }
    return std::get<std::string>(it->second);
}

void MemorySettingsStore::setBool(std::string_view key, bool value) {
    setRaw(key, value);
}

void MemorySettingsStore::setString(std::string_view key, std::string_view value) {
    setRaw(key, std::string(value));
}

void MemorySettingsStore::setRaw(std::string_view key, Value value) {
    values_.insert_or_assign(std::string(key), std::move(value));
    ++writes_;
}

bool MemorySettingsStore::contains(std::string_view key) const {
    return values_.find(key) != values_.end();
}

} // namespace wigglepad
