#include "MenuView.h"

#include "AnimationTransaction.h"
#include "ControlRow.h"
#include "LightAppearance.h"
#include "MemorySettingsStore.h"
#include "ModeCard.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "Pixels.h"
#include "SavedMode.h"
#include "SettingsKeys.h"
#include "SwitchToggle.h"
#include "ViewTestKit.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// What the store held, and whether the menu was still up, when "wigglepadSwipeChanged" came.
struct SwipePost {
    std::optional<bool> storedSwipe;
    std::optional<std::string> storedMode;
    bool showMenu;
};

class MenuViewTest : public ::testing::Test {
protected:
    MenuViewTest() {
        window.resize(1920, 1080);
        menu = new MenuView(play.state, kInk, kMuted, settings, notifications, &window);
        notifications.addObserver(kSwipeChangedNotification, [this] {
            posts.push_back({settings.boolValue(kAllowSwipeKey), settings.stringValue(kModeKey),
                             play.state.showMenu.get()});
        });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    AppState& state() { return play.state; }
    ModeCard& card(PlayMode mode) {
        for (ModeCard* card : menu->findChildren<ModeCard*>())
            if (card->mode() == mode)
                return *card;
        throw std::logic_error("no card for the mode");
    }
    static QColor darkest(const QImage& image, const QRect& area) {
        QColor found = Qt::white;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y).lightness() < found.lightness())
                    found = image.pixelColor(x, y);
        return found;
    }
    SwitchToggle& swipeSwitch() { return *menu->findChildren<SwitchToggle*>().at(0); }
    SwitchToggle& soundSwitch() { return *menu->findChildren<SwitchToggle*>().at(1); }
    // Through the window, as a real click comes: a card's face must let it through.
    void click(QWidget& widget) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          widget.mapTo(&window, widget.rect().center()));
        QCoreApplication::sendPostedEvents(); // the menu catches up with the state
    }

    MemorySettingsStore settings;
    PlayStateOnFakes play{settings};
    NotificationCenter notifications;
    std::vector<SwipePost> posts;
    QWidget window;
    MenuView* menu;
};

TEST_F(MenuViewTest, FollowsChangesMadeToTheStateElsewhere) {
    state().mode.set(PlayMode::lettersNumbers);
    state().allowSwipe.set(true);
    EXPECT_FALSE(swipeSwitch().isChecked()) << "the menu reads the state after it changed";
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(card(PlayMode::lettersNumbers).isSelected());
    EXPECT_FALSE(card(PlayMode::sensory).isSelected());
    EXPECT_TRUE(swipeSwitch().isChecked());
}

TEST_F(MenuViewTest, FlippingASwitchStoresAndAppliesItAtOnce) {
    std::vector<std::optional<bool>> storedSound; // when "wigglepadSoundChanged" came
    notifications.addObserver(kSoundChangedNotification,
                              [&] { storedSound.push_back(settings.boolValue(kSoundKey)); });
    click(soundSwitch());
    EXPECT_TRUE(state().sound.get() && !state().allowSwipe.get());
    EXPECT_EQ(storedSound, std::vector<std::optional<bool>>{true});
    click(swipeSwitch());
    EXPECT_TRUE(state().allowSwipe.get());
    ASSERT_EQ(posts.size(), 1U);
    EXPECT_EQ(posts[0].storedSwipe, true) << "stored before the notification";
    EXPECT_TRUE(posts[0].showMenu);
    EXPECT_FALSE(settings.contains(kModeKey) || settings.contains(kModeChosenKey));
    click(swipeSwitch());
    ASSERT_EQ(posts.size(), 2U);
    EXPECT_EQ(posts[1].storedSwipe, false);
}

TEST_F(MenuViewTest, StartSavesTheChoiceAppliesTheSwipeSettingAndFadesTheMenuOut) {
    click(card(PlayMode::lettersNumbers));
    std::vector<bool> animated; // per announcement from here on
    state().objectWillChange.subscribe(
        [&] { animated.push_back(AnimationTransaction::current().has_value()); });

    click(button(*menu, "Start"));
    EXPECT_EQ(settings.boolValue(kModeChosenKey), true);
    EXPECT_EQ(settings.boolValue(kSoundKey), false);
    ASSERT_EQ(posts.size(), 1U);
    EXPECT_EQ(posts[0].storedMode, "lettersNumbers") << "saved before the notification";
    EXPECT_EQ(posts[0].storedSwipe, false) << "stored although never flipped";
    EXPECT_TRUE(posts[0].showMenu) << "the menu goes after the notification";
    EXPECT_FALSE(state().showMenu.get());
    EXPECT_EQ(animated, std::vector<bool>{true}) << "only showMenu changes, inside the animation";
}

TEST_F(MenuViewTest, ChoosingACardAndLeavingWithoutStartKeepsTheStoredChoice) {
    EXPECT_EQ(settings.writeCount(), 0) << "opening writes nothing";
    saveMode(settings, PlayMode::sensory);
    settings.setBool(kModeChosenKey, false); // as the M hold leaves it
    const int written = settings.writeCount();
    click(card(PlayMode::lettersNumbers));
    delete menu;
    EXPECT_EQ(settings.writeCount(), written);
}

TEST_F(MenuViewTest, CardsMeasure320By240AndTheControlDescriptionsLineUp) {
    for (const PlayMode mode : kAllPlayModes)
        EXPECT_EQ(card(mode).size(), QSize(320, 240));
    const QList<ControlRow*> rows = menu->findChildren<ControlRow*>();
    ASSERT_EQ(rows.size(), 4);
    std::vector<int> descriptionStarts;
    for (ControlRow* row : rows) {
        const QList<QLabel*> texts = row->findChildren<QLabel*>(); // the key, then the description
        ASSERT_EQ(texts.size(), 2);
        EXPECT_LT(texts[0]->geometry().right(), texts[1]->x()) << texts[0]->text().toStdString();
        descriptionStarts.push_back(texts[1]->mapTo(menu, QPoint()).x());
    }
    EXPECT_EQ(std::count(descriptionStarts.begin(), descriptionStarts.end(), descriptionStarts[0]),
              4);
}

TEST_F(MenuViewTest, PaintsTheGroundTheSelectedCardAndItsOutline) {
    const QImage image = paintedOver(*menu, Qt::magenta);
    EXPECT_TRUE(near(image.pixelColor(3, 3), QColor::fromRgbF(0.98f, 0.97f, 0.95f), 2));
    const QRect selected(card(PlayMode::sensory).mapTo(menu, QPoint()), ModeCard::kSize);
    const QRect other(card(PlayMode::lettersNumbers).mapTo(menu, QPoint()), ModeCard::kSize);
    const QPoint lowInside(0, 200); // below the texts
    EXPECT_TRUE(near(image.pixelColor(selected.topLeft() + lowInside + QPoint(160, 0)),
                     QColor::fromRgbF(0.85f, 0.92f, 1.0f), 2));
    EXPECT_TRUE(near(image.pixelColor(selected.topLeft() + lowInside + QPoint(1, 0)),
                     LightAppearance::accent(), 20));
    EXPECT_TRUE(near(image.pixelColor(other.topLeft() + lowInside + QPoint(160, 0)), Qt::white, 2));
    // The darkest pixel of each text is its colour: title ink, age muted, description ink at 0.85.
    for (const PlayMode mode : kAllPlayModes) {
        const QColor fill =
            card(mode).isSelected() ? QColor::fromRgbF(0.85f, 0.92f, 1.0f) : QColor(Qt::white);
        const QColor description = QColor::fromRgbF(0.85f * kInk.redF() + 0.15f * fill.redF(),
                                                    0.85f * kInk.greenF() + 0.15f * fill.greenF(),
                                                    0.85f * kInk.blueF() + 0.15f * fill.blueF());
        const QList<QLabel*> texts = card(mode).findChildren<QLabel*>();
        ASSERT_EQ(texts.size(), 3);
        const QColor expected[] = {kInk, kMuted, description};
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(
                near(darkest(image, QRect(texts[i]->mapTo(menu, QPoint()), texts[i]->size())),
                     expected[i], 6))
                << texts[i]->text().toStdString();
    }
}

// An adult at the keyboard: Tab goes round the menu's controls, Space presses, Return does not.
TEST_F(MenuViewTest, TabGoesRoundTheControlsAndSpacePressesThem) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    menu->setFocus();
    EXPECT_EQ(type(Qt::Key_Tab), &card(PlayMode::sensory));
    EXPECT_EQ(type(Qt::Key_Tab), &card(PlayMode::lettersNumbers));
    type(Qt::Key_Space);
    EXPECT_EQ(state().mode.get(), PlayMode::lettersNumbers);
    EXPECT_EQ(type(Qt::Key_Tab), &swipeSwitch());
    EXPECT_EQ(type(Qt::Key_Tab), &soundSwitch());
    EXPECT_EQ(type(Qt::Key_Tab), &button(*menu, "Start"));
    EXPECT_EQ(type(Qt::Key_Tab), &card(PlayMode::sensory)) << "round again, never below the menu";
    EXPECT_EQ(type(Qt::Key_Backtab), &button(*menu, "Start"));
    type(Qt::Key_Return);
    type(Qt::Key_Enter);
    EXPECT_TRUE(state().showMenu.get());
    type(Qt::Key_Space);
    EXPECT_FALSE(state().showMenu.get());
    menu->hide();
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "no focus left behind";
}

} // namespace
} // namespace wigglepad
