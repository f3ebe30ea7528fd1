#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wigglepad {

// The user's persistent key-value settings. Absent and ill-typed entries read as nullopt.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<bool> boolValue(std::string_view key) const = 0;
    virtual std::optional<std::string> stringValue(std::string_view key) const = 0;
    virtual void setBool(std::string_view key, bool value) = 0;
    virtual void setString(std::string_view key, std::string_view value) = 0;
};

} // namespace wigglepad
