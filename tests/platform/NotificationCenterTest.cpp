// Delivery of in-process notifications: by name, synchronously, in registration order.
#include "NotificationCenter.h"

#include "NotificationNames.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wigglepad {
namespace {

using ::testing::ElementsAre;

TEST(NotificationCenterTest, DeliversOncePerPostToEachObserverOfTheExactNameInOrder) {
    NotificationCenter center;
    std::vector<std::string> heard;
    center.addObserver(kExitNotification, [&] { heard.push_back("exit 1"); });
    center.addObserver("wigglepadSwipeChanged", [&] { heard.push_back("swipe"); });
    center.addObserver(kExitNotification, [&] { heard.push_back("exit 2"); });

    center.post(kExitNotification);
    center.post(kSwipeChangedNotification);
    center.post(kSwipeChangedNotification);
    center.post("wigglepadswipechanged");
    center.post("wigglepadSomethingElse");
    EXPECT_THAT(heard, ElementsAre("exit 1", "exit 2", "swipe", "swipe"));
}

TEST(NotificationCenterTest, ObserversMayPostAndRegisterWhileBeingCalled) {
    NotificationCenter center;
    std::vector<std::string> heard;
    center.addObserver(kSwipeChangedNotification, [&] {
        heard.push_back("swipe");
        center.addObserver(kSwipeChangedNotification, [&] { heard.push_back("late swipe"); });
        center.post(kExitNotification);
    });
    center.addObserver(kExitNotification, [&] { heard.push_back("exit"); });

    center.post(kSwipeChangedNotification);
    EXPECT_THAT(heard, ElementsAre("swipe", "exit")) << "the late observer hears later posts";
}

} // namespace
} // namespace wigglepad
