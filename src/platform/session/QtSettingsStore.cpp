#include "QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <memory>
#include <ostream>
#include <sys/stat.h>

namespace wigglepad {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Larger than any settings file this program writes by far; a bigger one was not written by it.
constexpr off_t kLargestFile = 64 * 1024;

// Why the file at the path must not be read, or nothing when it may. A missing file reads as
// empty. Opening anything but a plain file could block (a pipe) or read without end (a device).
std::optional<std::string> whyNotRead(const QString& filePath) {
    struct stat file {};
    if (::stat(QFile::encodeName(filePath).constData(), &file) != 0) {
        return std::nullopt;
    }
    if (!S_ISREG(file.st_mode)) {
        return "it is not a plain file, so it is ignored";
    }
    if (file.st_size > kLargestFile) {
        return "it is larger than 64 KiB, so it is ignored";
    }
    return std::nullopt;
}

// Why the file at the path must not be replaced, or nothing when it may. Saving renames a new
// file over the old one, which would replace whatever a link points at, even a device; so a
// link is never followed, nor replaced (it is someone's choice where the settings live).
std::optional<std::string> whyNotReplaced(const QString& filePath) {
    struct stat file {};
    if (::lstat(QFile::encodeName(filePath).constData(), &file) != 0) {
        return std::nullopt;
    }
    if (S_ISLNK(file.st_mode)) {
        return "it is a symbolic link, which is left as it is";
    }
    if (!S_ISREG(file.st_mode)) {
        return "it is not a plain file, so it is ignored";
    }
    if (file.st_size > kLargestFile) {
        return "it is larger than 64 KiB, so it is ignored";
    }
    return std::nullopt;
}

std::unique_ptr<QSettings> openSettings(const QString& filePath) {
    auto settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    // Never fall back to rewriting the file in place: a crash then could leave half a file.
    settings->setAtomicSyncRequired(true);
    return settings;
}

// The INI file stores true and false as these words; anything else is not a Boolean, even
// where QVariant::toBool() would guess one ("no" would read as true).
std::optional<bool> strictBool(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    const QString text = value.toString();
    if (text == QLatin1String("true")) {
        return true;
    }
    if (text == QLatin1String("false")) {
        return false;
    }
    return std::nullopt;
}

} // namespace

QtSettingsStore::QtSettingsStore(std::ostream& errors)
    : QtSettingsStore(defaultFilePath(), errors) {}

QtSettingsStore::QtSettingsStore(QString filePath, std::ostream& errors)
    : filePath_(std::move(filePath))
    , cannotSave_(errors) {
    load();
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::defaultFilePath() {
    // Without either, Qt would take the root folder for the home and write to /.config.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME")) {
        return {};
    }
    // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when that is unset.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/wigglepad/wigglepad.conf");
}

void QtSettingsStore::load() {
    if (filePath_.isEmpty()) {
        cannotSave("there is no home folder: HOME and XDG_CONFIG_HOME are unset");
        return;
    }
    if (const std::optional<std::string> why = whyNotRead(filePath_)) {
        cannotSave(*why);
        return;
    }
    const auto reader = openSettings(filePath_);
    for (const QString& key : reader->allKeys()) {
        // A garbled line can leave an empty key, which no setting has.
        if (!key.isEmpty()) {
            values_.insert(key, reader->value(key));
        }
    }
}

std::optional<bool> QtSettingsStore::boolValue(std::string_view key) const {
    return strictBool(values_.value(toQString(key)));
}

std::optional<std::string> QtSettingsStore::stringValue(std::string_view key) const {
    const QVariant value = values_.value(toQString(key));
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

void QtSettingsStore::setBool(std::string_view key, bool value) {
    write(key, value);
}

void QtSettingsStore::setString(std::string_view key, std::string_view value) {
    write(key, toQString(value));
}

void QtSettingsStore::write(std::string_view key, const QVariant& value) {
    values_.insert(toQString(key), value);
    if (filePath_.isEmpty()) {
        return;
    }
    if (const std::optional<std::string> why = whyNotReplaced(filePath_)) {
        cannotSave(*why);
        return;
    }
    save(toQString(key), value);
}

void QtSettingsStore::save(const QString& key, const QVariant& value) {
    // A writer of its own per write: it takes in what else the file holds now, and QSettings
    // keeps only the first error it meets, so a reader's status would still show a garbled
    // file's format error and hide a failed write.
    const auto writer = openSettings(filePath_);
    writer->setValue(key, value);
    writer->sync();
    if (writer->status() == QSettings::AccessError) {
        cannotSave("it cannot be written");
    }
}

void QtSettingsStore::cannotSave(const std::string& why) {
    const std::string where = filePath_.isEmpty() ? "" : " to " + filePath_.toStdString();
    cannotSave_.say("cannot save settings" + where + " (" + why +
                    "); changes last until the program ends.");
}

} // namespace wigglepad
