#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>

namespace wigglepad {

namespace {

const QString kCatalogue = QStringLiteral("wigglepad");
const QString kCatalogueDirectory = QStringLiteral(":/i18n");

} // namespace

Translations::Translations(const QLocale& locale) {
    if (translator_.load(locale, kCatalogue, QStringLiteral("_"), kCatalogueDirectory))
        QCoreApplication::installTranslator(&translator_);
}

} // namespace wigglepad
