// The shell recorder, the fake other rooms' tests watch the desktop conversation with.
#include "ShellRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

using ::testing::ElementsAre;

TEST(ShellRecorderTest, RecordsAQuitSequenceInOrder) {
    ShellRecorder shell;
    bool allow = false;
    int willTerminate = 0;
    shell.setTerminationDelegate({[&] { return allow; },
                                  [&] {
                                      ++willTerminate;
                                      shell.unhidePointer();
                                      shell.setPresentationOptions(kNoPresentationOptions);
                                  }});
    shell.setPresentationOptions(kLockedDown);
    shell.hidePointer();
    shell.requestWindowClose();
    EXPECT_FALSE(shell.terminated());

    shell.unhidePointer();
    allow = true;
    shell.setPresentationOptions(kNoPresentationOptions);
    shell.terminate();

    EXPECT_THAT(shell.log(), ElementsAre("options 490", "hide pointer", "terminate refused",
                                         "unhide pointer", "options 0", "will terminate",
                                         "unhide pointer", "options 0", "terminated"));
    EXPECT_THAT(shell.optionsHistory(), ElementsAre(490u, 0u, 0u));
    EXPECT_EQ(willTerminate, 1);
    EXPECT_EQ(shell.terminateRequests(), 2);
    EXPECT_FALSE(shell.pointerHidden()) << "the surplus unhide does nothing";
    EXPECT_EQ(shell.pointerHides(), 1);
    EXPECT_EQ(shell.pointerUnhides(), 2);
}

TEST(ShellRecorderTest, CountsHidesLikeTheRealPointer) {
    ShellRecorder shell;
    shell.unhidePointer();
    shell.hidePointer();
    EXPECT_TRUE(shell.pointerHidden()) << "an unhide before the hide gives no credit";
    shell.hidePointer();
    shell.unhidePointer();
    EXPECT_TRUE(shell.pointerHidden());
    shell.unhidePointer();
    EXPECT_FALSE(shell.pointerHidden());
}

} // namespace
} // namespace wigglepad
