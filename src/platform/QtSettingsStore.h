#pragma once

#include "SettingsStore.h"

#include <QString>
#include <iosfwd>

class QSettings;
class QVariant;

namespace wigglepad {

// The user's settings in an INI file, by default $XDG_CONFIG_HOME/wigglepad/wigglepad.conf
// (~/.config when unset). Reads never fail: a missing, empty, garbled or unreadable file reads
// as absent entries. Every write goes to disk at once and atomically (a new file renamed over
// the old one), so a crash never leaves half a file. A store that cannot be written says so
// once and keeps the values in memory for the rest of the run.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(std::ostream& errors);
    QtSettingsStore(QString filePath, std::ostream& errors);
    ~QtSettingsStore() override;

    static QString defaultFilePath();
    const QString& filePath() const { return filePath_; }

    std::optional<bool> boolValue(std::string_view key) const override;
    std::optional<std::string> stringValue(std::string_view key) const override;
    void setBool(std::string_view key, bool value) override;
    void setString(std::string_view key, std::string_view value) override;

private:
    QVariant rawValue(std::string_view key) const;
    void write(std::string_view key, const QVariant& value);
    void reportWriteFailure();

    QString filePath_;
    std::ostream& errors_;
    // Kept open so the parsed file stays cached between reads and writes.
    std::unique_ptr<QSettings> reader_;
    bool writeFailureReported_ = false;
};

} // namespace wigglepad
