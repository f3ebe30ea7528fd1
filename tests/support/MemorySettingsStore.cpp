#include "MemorySettingsStore.h"

namespace wigglepad {
namespace {

template <typename T, typename Values>
std::optional<T> read(const Values& values, std::string_view key) {
    const auto it = values.find(key);
    if (it == values.end() || !std::holds_alternative<T>(it->second)) {
        return std::nullopt;
    }
    return std::get<T>(it->second);
}

} // namespace

std::optional<bool> MemorySettingsStore::boolValue(std::string_view key) const {
    return read<bool>(values_, key);
}

std::optional<std::string> MemorySettingsStore::stringValue(std::string_view key) const {
    return read<std::string>(values_, key);
}

void MemorySettingsStore::setRaw(std::string_view key, Value value) {
    values_.insert_or_assign(std::string(key), std::move(value));
    ++writes_;
}

} // namespace wigglepad
