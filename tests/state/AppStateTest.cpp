#include "PlayStateFixture.h"
#include "SettingsKeys.h"

#include <memory>

namespace wigglepad {
namespace {

using AppStateTest = PlayStateFixture;

// The menu shows exactly when a valid mode was not chosen (a completed M hold clears only the
// flag); a mode is only its exact, case-sensitive raw value and ill-typed entries read as absent.
TEST_F(AppStateTest, CreationShowsTheMenuUnlessAValidModeWasChosen) {
    using Value = MemorySettingsStore::Value;
    using namespace std::string_literals;
    const struct {
        std::optional<Value> modeChosen, mode; // absent when none
        std::optional<PlayMode> chosen;        // none: the menu shows, in sensory mode
    } cases[] = {{{}, {}, {}},
                 {true, "lettersNumbers"s, PlayMode::lettersNumbers},
                 {true, "sensory"s, PlayMode::sensory},
                 {true, {}, {}},
                 {true, "Sensory"s, {}},
                 {true, "letters"s, {}},
                 {false, "lettersNumbers"s, {}},
                 {"true"s, "lettersNumbers"s, {}},
                 {true, 1.0, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
        MemorySettingsStore store;
        if (c.modeChosen)
            store.setRaw(kModeChosenKey, *c.modeChosen);
        if (c.mode)
            store.setRaw(kModeKey, *c.mode);
        const AppState created(clock, screen, random, store);
        EXPECT_EQ(created.showMenu.get(), !c.chosen);
        EXPECT_EQ(created.mode.get(), c.chosen.value_or(PlayMode::sensory));
        EXPECT_TRUE(created.showBanner.get());
    }
}

TEST_F(AppStateTest, EachWriteAnnouncesOnceBeforeTheValueChanges) {
    using Seen = std::vector<std::pair<bool, std::size_t>>; // the banner flag, the shape count
    Seen seen;
    state.objectWillChange.subscribe(
        [&] { seen.emplace_back(state.showBanner.get(), state.shapes.get().size()); });
    state.showBanner.set(false);
    state.spawnShape(Point{100, 100}, 0);
    EXPECT_EQ(seen, (Seen{{true, 0}, {false, 0}}));
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
