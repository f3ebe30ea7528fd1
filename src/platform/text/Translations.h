#pragma once

#include <QTranslator>

class QLocale;

namespace wigglepad {

// The fixed on-screen texts in the person's language, for as long as this lives. English is the
// language they are written in, so with no catalogue for the locale they stay as written. Make
// it after the application object and before the first widget, which reads its texts when it is
// built.
//
// The catalogues travel inside the program (the views compile them in under ":/i18n"), so a run
// from the build tree finds them as well as an installed one.
class Translations {
public:
    // Takes the first of the locale's languages with a catalogue, wigglepad_de for "de_AT" too.
    explicit Translations(const QLocale& locale);

private:
    QTranslator translator_; // leaves the application when it is destroyed
};

} // namespace wigglepad
