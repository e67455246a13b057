#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;

TEST(CommandQueueTest, IsAStackTheNewestGoesFirst) {
    TestContext t;
    CommandQueue& q = t.app.queue;
    q.enqueueCommand("(X001)");
    q.enqueueCommand("(y)");
    EXPECT_EQ(q.top(), "(y)");
    q.pop();
    EXPECT_EQ(q.top(), "(X001)");
    q.pop();
    EXPECT_EQ(q.count(), 0);
    EXPECT_EQ(q.top(), QByteArray());
}

TEST(CommandQueueTest, ACommandOfSixteenCharactersIsRefusedWithAMessage) {
    TestContext t;
    EXPECT_TRUE(t.app.queue.enqueueCommand("(123456789abcd)"));  // 15
    EXPECT_FALSE(t.app.queue.enqueueCommand("(123456789abcde)"));
    EXPECT_EQ(t.app.queue.count(), 1);
    EXPECT_THAT(t.lines(), ElementsAre("Comando demasiado largo, no enviado (max. 15): "
                                       "(123456789abcde)"));
}

TEST(CommandQueueTest, AFullQueueRefusesTheHundredth) {
    TestContext t;
    for (int i = 0; i < 99; ++i) {
        ASSERT_TRUE(t.app.queue.enqueueCommand("( )"));
    }
    EXPECT_FALSE(t.app.queue.enqueueCommand("(X000)"));
    EXPECT_EQ(t.app.queue.count(), 99);
    EXPECT_EQ(t.lines().size(), 1);
}

TEST(CommandQueueTest, CuttingKeepsTheLowerSlots) {
    TestContext t;
    for (int i = 1; i <= 60; ++i) {
        t.app.queue.enqueueCommand("(" + QByteArray::number(i) + ")");
    }
    t.app.queue.cutTo(50);
    EXPECT_EQ(t.app.queue.top(), "(50)");
}

TEST(CommandQueueTest, MoreThanTwentyFivePendingAtAFourSecondTickAreDiscarded) {
    TestContext t;
    t.app.flags.startupDone = true;
    t.app.settingsForm.CBmaster.checked = false;  // no presence added by the tick
    for (int i = 0; i < 25; ++i) {
        t.app.queue.enqueueCommand("( )");
    }
    t.app.timers.tick4s();
    EXPECT_EQ(t.app.queue.count(), 25);
    t.app.queue.enqueueCommand("( )");
    t.app.timers.tick4s();
    EXPECT_EQ(t.app.queue.count(), 0);
    EXPECT_THAT(t.lines(), ElementsAre("Reiniciado Buffer de Envio."));
}

}  // namespace
}  // namespace zaq::test
