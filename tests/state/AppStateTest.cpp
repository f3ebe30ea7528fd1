#include "Palette.h"
#include "PlayStateFixture.h"
#include "SavedMode.h"
#include "SettingsKeys.h"

#include <memory>

namespace wigglepad {
namespace {

struct Creation {
    std::optional<MemorySettingsStore::Value> modeChosen;
    std::optional<MemorySettingsStore::Value> mode;
    bool expectMenu;
    PlayMode expectMode;
};

class CreationFromSettings : public ::testing::TestWithParam<Creation> {};

// The menu shows exactly when no valid mode was chosen; anything ill-typed reads as absent.
TEST_P(CreationFromSettings, ShowsMenuAndPicksModeFromTheStore) {
    const Creation& c = GetParam();
    MemorySettingsStore store;
    if (c.modeChosen) {
        store.setRaw(kModeChosenKey, *c.modeChosen);
    }
    if (c.mode) {
        store.setRaw(kModeKey, *c.mode);
    }
    FakeClock clock;
    FakeScreen screen;
    ScriptedRandomSource random;
    const AppState state(clock, screen, random, store);
    EXPECT_EQ(state.showMenu.get(), c.expectMenu);
    EXPECT_EQ(state.mode.get(), c.expectMode);
    EXPECT_TRUE(state.showBanner.get());
    EXPECT_FALSE(state.showExitConfirm.get());
    EXPECT_EQ(state.lastTick(), clock.now());
}

using V = MemorySettingsStore::Value;
INSTANTIATE_TEST_SUITE_P(
    Settings, CreationFromSettings,
    ::testing::Values(
        Creation{{}, {}, true, PlayMode::sensory},
        Creation{V{true}, V{std::string("lettersNumbers")}, false, PlayMode::lettersNumbers},
        Creation{V{true}, {}, true, PlayMode::sensory},
        Creation{V{true}, V{std::string("Sensory")}, true, PlayMode::sensory},
        Creation{V{false}, V{std::string("lettersNumbers")}, true, PlayMode::sensory},
        Creation{V{std::string("true")}, V{std::string("lettersNumbers")}, true, PlayMode::sensory},
        Creation{V{true}, V{1.0}, true, PlayMode::sensory}));

TEST(SavedModeTest, RoundTripsTheModeAndReadsTheSwipeSetting) {
    MemorySettingsStore store;
    EXPECT_FALSE(loadAllowSwipe(store));
    store.setRaw(kAllowSwipeKey, std::string("yes"));
    EXPECT_FALSE(loadAllowSwipe(store));
    store.setBool(kAllowSwipeKey, true);
    EXPECT_TRUE(loadAllowSwipe(store));

    saveMode(store, PlayMode::lettersNumbers);
    EXPECT_EQ(loadSavedMode(store), PlayMode::lettersNumbers);
    EXPECT_EQ(store.stringValue(kModeKey), "lettersNumbers");
    // The completed M hold clears only the flag; the stale mode is ignored.
    store.setBool(kModeChosenKey, false);
    EXPECT_EQ(loadSavedMode(store), std::nullopt);
}

using AnnouncementTest = PlayStateFixture;

TEST_F(AnnouncementTest, EachWriteAnnouncesOnceBeforeTheValueChanges) {
    std::vector<std::size_t> shapeCounts;
    std::vector<bool> bannerValues;
    state.objectWillChange.subscribe([&] {
        shapeCounts.push_back(state.shapes.get().size());
        bannerValues.push_back(state.showBanner.get());
    });
    state.showBanner.set(false);
    state.spawnShape(Point{100, 100}, 0);
    EXPECT_EQ(announcements, 2);
    EXPECT_EQ(bannerValues.front(), true);
    EXPECT_EQ(shapeCounts.back(), 0U);
}

TEST_F(AnnouncementTest, PrivateFieldsNeverAnnounce) {
    state.addTrailPoint({10, 10});
    EXPECT_EQ(announcements, 1); // the append only, not the colour counter
    EXPECT_EQ(state.colorIndex(), 1);
}

TEST_F(AnnouncementTest, CurrentTrailColorFollowsTheNewestPoint) {
    EXPECT_EQ(state.currentTrailColor(), palette()[0]);
    for (int i = 0; i < 21; ++i) {
        state.addTrailPoint({10, 10});
    }
    EXPECT_EQ(state.currentTrailColor(), palette()[1]);
}

TEST(ChangePublisherTest, SubscribersMayLeaveAndJoinDuringAnAnnouncement) {
    ChangePublisher publisher;
    std::vector<int> calls;
    ChangePublisher::Token second = 0;
    // A view torn down while it is being told: it unsubscribes itself and the one after it.
    const ChangePublisher::Token first = publisher.subscribe([&] {
        calls.push_back(1);
        publisher.unsubscribe(second);
        publisher.subscribe([&] { calls.push_back(3); });
    });
    second = publisher.subscribe([&] { calls.push_back(2); });
    auto captured = std::make_shared<int>(4);
    ChangePublisher::Token leaver = 0;
    leaver = publisher.subscribe([&, captured] {
        publisher.unsubscribe(leaver);
        calls.push_back(*captured);
    });

    publisher.announce();
    EXPECT_EQ(calls, (std::vector<int>{1, 4}));
    EXPECT_EQ(captured.use_count(), 1); // the leaver's closure is gone once the announcement ends

    publisher.unsubscribe(first);
    calls.clear();
    publisher.announce();
    EXPECT_EQ(calls, (std::vector<int>{3}));
}

} // namespace
} // namespace wigglepad
