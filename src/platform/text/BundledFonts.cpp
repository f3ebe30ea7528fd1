#include "BundledFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace wigglepad {

namespace {

const QString kRoundedFile = QStringLiteral(":/fonts/Nunito_900Black.ttf");

std::optional<bool>& loadResult() {
    static std::optional<bool> result;
    return result;
}

} // namespace

QString BundledFonts::roundedFamily() {
    return QStringLiteral("Nunito");
}

bool BundledFonts::load() {
    std::optional<bool>& result = loadResult();
    if (!result) {
        result = registerFace(kRoundedFile, roundedFamily());
        if (!*result)
            std::fprintf(stderr, "wigglepad: the rounded face could not be loaded; "
                                 "characters are drawn in a bold sans instead\n");
    }
    return *result;
}

QFont BundledFonts::rounded(int pixelSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (load()) {
        font.setFamilies(QStringList{roundedFamily()});
        font.setWeight(kRoundedWeight);
    } else {
        font.setWeight(QFont::Bold);
    }
    font.setPixelSize(pixelSize);
    return font;
}

bool BundledFonts::registerFace(const QString& path, const QString& family) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return false;
    if (QFontDatabase::applicationFontFamilies(id).contains(family))
        return true;
    QFontDatabase::removeApplicationFont(id);
    return false;
}

} // namespace wigglepad
