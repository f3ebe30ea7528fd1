// The texts of the adult screens in the language of the locale, English where there is no
// catalogue for it: the fixed ones and those of the mode cards and the adult-controls rows.
#include "ControlRow.h"
#include "ExitConfirmOverlay.h"
#include "InfoBanner.h"
#include "ManualTimerService.h"
#include "MemorySettingsStore.h"
#include "MenuView.h"
#include "ModeCard.h"
#include "NotificationCenter.h"
#include "Translations.h"
#include "ViewTestKit.h"

#include <QLabel>
#include <QLocale>
#include <gtest/gtest.h>
#include <ostream>

// Failures show the texts themselves.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace wigglepad {
namespace {

constexpr int kButtonLabelWidth = 100; // the confirmation's buttons keep their labels this wide

bool fromData(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (qobject_cast<const ModeCard*>(widget) || qobject_cast<const ControlRow*>(widget))
            return true;
    return false;
}

// The menu as the program builds it at start, after the translation for `locale` is in, on a
// 1280x720 laptop screen under the welcome banner, where it must shrink to fit.
struct LocalisedMenu {
    explicit LocalisedMenu(const char* locale)
        : translations(QLocale(QString::fromLatin1(locale))) {
        window.resize(1280, 720);
        window.show();
        menu.setTopInset(88); // the German banner's height, 1280 points wide
    }

    // The texts of its labels and buttons in building order: fixed ones or those from data.
    QStringList texts(bool data) const {
        QStringList found;
        for (const QLabel* label : menu.findChildren<QLabel*>())
            if (fromData(label) == data)
                found << label->text();
        for (const StyledButton* button : menu.findChildren<StyledButton*>())
            if (!data && !button->text().isEmpty())
                found << button->text();
        return found;
    }

    bool everyLineFits() const {
        for (const QLabel* label : menu.findChildren<QLabel*>())
            if (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                  : label->width() < label->sizeHint().width())
                return false;
        return true;
    }

    const Translations translations; // ahead of the widgets, which read their texts when built
    MemorySettingsStore settings;
    PlayStateOnFakes play{settings};
    NotificationCenter notifications;
    QWidget window;
    MenuView& menu = *new MenuView(play.state, kInk, kMuted, settings, notifications, &window);
};

TEST(LocalisedTextsTest, GermanMenuSaysEveryTextInGerman) {
    const QStringList english = LocalisedMenu("en_US").texts(true); // before German is in
    EXPECT_TRUE(english.contains("0–12 months") && english.contains("5× click top-right"));
    const LocalisedMenu german("de_DE");
    EXPECT_EQ(
        german.texts(false),
        QStringList({"Wigglepad", "Modus wählen", "Wechsel zu anderen Programmen erlauben",
                     "Erlaubt Erwachsenen, Wigglepad mit den Tastenkürzeln und Gesten des "
                     "Desktops zu verlassen (Alt+Tab, Super, Wischen zwischen "
                     "Arbeitsflächen).",
                     "Töne",
                     "Sanfte Töne zu jeder Form; im Modus Buchstaben & Zahlen wird jedes Zeichen "
                     "gesprochen.",
                     "Steuerung für Erwachsene",
                     "Ihre Auswahl wird für das nächste Mal gespeichert.", "Starten"}));

    const QStringList data = german.texts(true);
    EXPECT_TRUE(data.contains("0–12 Monate") && data.contains("5× rechts oben") &&
                data.contains("Wigglepad beenden (3 Sekunden)"));
    ASSERT_EQ(english.size(), data.size());
    for (const QString& text : english)
        EXPECT_FALSE(data.contains(text)) << text.toStdString();
}

TEST(LocalisedTextsTest, TheLocaleChoosesTheLanguageEnglishStandsInForTheRestAndAllFits) {
    struct Case {
        const char *locale, *prompt, *start;
    };
    for (const Case& c :
         {Case{"de_AT", "Modus wählen", "Starten"},
          Case{"fr_FR", "Choisissez un mode", "Commencer"}, Case{"en_GB", "Choose a mode", "Start"},
          Case{"ja_JP", "Choose a mode", "Start"}}) {
        SCOPED_TRACE(c.locale);
        const LocalisedMenu menu(c.locale);
        const QStringList texts = menu.texts(false);
        EXPECT_EQ(texts.value(1), QString::fromUtf8(c.prompt));
        EXPECT_EQ(texts.value(texts.size() - 1), QString::fromUtf8(c.start));
        EXPECT_TRUE(menu.everyLineFits());
    }
}

TEST(LocalisedTextsTest, GermanConfirmationAndBannerSpeakGerman) {
    const Translations german(QLocale(QLocale::German, QLocale::Germany));
    ManualTimerService timers;
    const ExitConfirmOverlay overlay([] {}, [] {}, timers);
    QStringList texts;
    for (const QLabel* label : overlay.findChildren<QLabel*>())
        texts << label->text();
    for (const StyledButton* button : overlay.findChildren<StyledButton*>()) {
        texts << button->text();
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), kButtonLabelWidth);
    }
    EXPECT_EQ(texts, QStringList({"Wigglepad beenden?", "Abbrechen", "Beenden"}));

    const InfoBanner banner([] {});
    EXPECT_EQ(banner.title().text(), "Willkommen bei Wigglepad");
    EXPECT_TRUE(banner.instructions().text().startsWith("Zum Beenden: Esc 3 Sekunden"));
    EXPECT_EQ(banner.closeButton().accessibleName(), "Schließen");
}

} // namespace
} // namespace wigglepad
