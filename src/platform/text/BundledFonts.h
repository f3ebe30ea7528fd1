#pragma once

#include <QFont>
#include <QString>

namespace wigglepad {

// The heavy rounded face shipped inside the program (Nunito Black, SIL Open Font Licence 1.1) for
// the play characters and the menu title. It is registered once at start, after the application
// object exists; without it a bold sans stands in.
class BundledFonts {
public:
    static constexpr QFont::Weight kRoundedWeight = QFont::Black;

    // The family the renderer and the views ask for: "Nunito".
    static QString roundedFamily();

    // Registers the bundled face. Later calls give the first call's answer, so a failure is said
    // on stderr once.
    static bool load();

    // The rounded face at `pixelSize` logical pixels (loading it first if need be); a bold sans
    // when it did not load.
    static QFont rounded(int pixelSize);

    // Registers the face file at `path` and checks that it answers to `family`; a file that
    // cannot be read or names another family is not registered. The seam of load().
    static bool registerFace(const QString& path, const QString& family);
};

} // namespace wigglepad
