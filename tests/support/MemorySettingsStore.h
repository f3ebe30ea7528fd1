#pragma once

#include "SettingsStore.h"

#include <map>
#include <string>
#include <variant>

namespace wigglepad {

// Settings held in memory. Entries of the wrong type read as absent, as on disk.
class MemorySettingsStore final : public SettingsStore {
public:
    using Value = std::variant<bool, std::string, double>;

    std::optional<bool> boolValue(std::string_view key) const override { return read<bool>(key); }
    std::optional<std::string> stringValue(std::string_view key) const override {
        return read<std::string>(key);
    }
    void setBool(std::string_view key, bool value) override { setRaw(key, value); }
    void setString(std::string_view key, std::string_view value) override {
        setRaw(key, std::string(value));
    }

    // Stores any value, ill-typed ones included, to test how readers cope.
    void setRaw(std::string_view key, Value value);
    bool contains(std::string_view key) const { return values_.find(key) != values_.end(); }
    int writeCount() const { return writes_; }

private:
    template <typename T>
    std::optional<T> read(std::string_view key) const {
        const auto it = values_.find(key);
        if (it == values_.end() || !std::holds_alternative<T>(it->second))
            return std::nullopt;
        return std::get<T>(it->second);
    }

    std::map<std::string, Value, std::less<>> values_;
    int writes_ = 0;
};

} // namespace wigglepad
