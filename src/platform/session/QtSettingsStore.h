#pragma once

#include "SaidOnce.h"
#include "SettingsStore.h"

#include <QString>
#include <QVariantMap>
#include <iosfwd>

namespace wigglepad {

// The user's settings in an INI file, by default $XDG_CONFIG_HOME/wigglepad/wigglepad.conf
// (~/.config when unset). Reads never fail: a missing, empty, garbled or unreadable file reads
// as absent entries. Every write goes to disk at once and atomically (a new file renamed over
// the old one), so a crash never leaves half a file. Only a plain file of at most 64 KiB (or a
// link to one) is read, and only such a file itself, never a link or what it points at, is
// replaced: anything else at the path (a pipe, a device, a folder) is ignored and left alone.
// Without a home folder, or when the file cannot be written, the store says so once and keeps the
// values in memory for the rest of the run.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(std::ostream& errors);
    // An empty path keeps the settings in memory only.
    QtSettingsStore(QString filePath, std::ostream& errors);
    ~QtSettingsStore() override;

    // Empty when there is no home folder to keep it in.
    static QString defaultFilePath();
    const QString& filePath() const { return filePath_; }

    std::optional<bool> boolValue(std::string_view key) const override;
    std::optional<std::string> stringValue(std::string_view key) const override;
    void setBool(std::string_view key, bool value) override;
    void setString(std::string_view key, std::string_view value) override;

private:
    void load();
    void write(std::string_view key, const QVariant& value);
    void save(const QString& key, const QVariant& value);
    void cannotSave(const std::string& why);

    QString filePath_;
    SaidOnce cannotSave_;
    // Everything read and written this run: what counts, whether or not the file took it.
    QVariantMap values_;
};

} // namespace wigglepad
