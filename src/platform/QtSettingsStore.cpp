#include "QtSettingsStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <ostream>

namespace wigglepad {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    , errors_(errors)
    , reader_(openSettings(filePath_)) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::defaultFilePath() {
    // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when that is unset.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/wigglepad/wigglepad.conf");
}

QVariant QtSettingsStore::rawValue(std::string_view key) const {
    return reader_->value(toQString(key));
}

std::optional<bool> QtSettingsStore::boolValue(std::string_view key) const {
    return strictBool(rawValue(key));
}

std::optional<std::string> QtSettingsStore::stringValue(std::string_view key) const {
    const QVariant value = rawValue(key);
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
    // A writer of its own per write: QSettings keeps only the first error it meets, so the
    // long-lived reader's status would still show a garbled file's format error and hide a
    // failed write.
    const auto writer = openSettings(filePath_);
    writer->setValue(toQString(key), value);
    writer->sync();
    if (writer->status() == QSettings::AccessError) {
        reportWriteFailure();
    }
}

void QtSettingsStore::reportWriteFailure() {
    if (writeFailureReported_) {
        return;
    }
    writeFailureReported_ = true;
    errors_ << "wigglepad: cannot save settings to " << filePath_.toStdString()
            << "; changes last until the program ends.\n";
    errors_.flush();
}

} // namespace wigglepad
