// Where the bar stands and slides, and when the status timer first fires.
#include <gtest/gtest.h>

#include "shell/bar_geometry.h"

TEST(BarGeometry, PositionsAtBothEdges)
{
    EXPECT_EQ(28, BarHeight(18));
    EXPECT_EQ(0, InViewTop(0, 768, 18));
    EXPECT_EQ(740, InViewTop(1, 768, 18));
    EXPECT_EQ(-26, HiddenTop(0, 768, 18)) << "the lowest 2 pixels stay on the screen";
    EXPECT_EQ(766, HiddenTop(1, 768, 18)) << "the highest 2 pixels stay on the screen";
}

TEST(BarGeometry, RightmostTenthDoesNotBringTheBarIn)
{
    EXPECT_TRUE(CursorBringsBarIn(0, 800));
    EXPECT_TRUE(CursorBringsBarIn(719, 800));
    EXPECT_FALSE(CursorBringsBarIn(720, 800));
    EXPECT_FALSE(CursorBringsBarIn(799, 800));
    EXPECT_TRUE(CursorBringsBarIn(920, 1023)) << "the tenth is truncated: 1023 - 102";
    EXPECT_FALSE(CursorBringsBarIn(921, 1023));
}

TEST(BarGeometry, SlideStepsRunFromStartToTarget)
{
    EXPECT_EQ(300u, SlideDuration(1));
    EXPECT_EQ(200u, SlideDuration(0));
    EXPECT_EQ(0, AnimationTop(0, -26, 0, 300));
    EXPECT_EQ(-13, AnimationTop(0, -26, 150, 300));
    EXPECT_EQ(-8, AnimationTop(0, -26, 100, 300)) << "truncated toward zero, not down";
    EXPECT_EQ(-25, AnimationTop(0, -26, 299, 300));
    EXPECT_EQ(740 + 8, AnimationTop(740, 766, 100, 300));
    EXPECT_EQ(-26 + 13, AnimationTop(-26, 0, 100, 200));
    // Long elapsed times must not overflow the product.
    EXPECT_EQ(-1000000, AnimationTop(0, -1000000, 4000000, 4000000));
}

TEST(BarGeometry, AlignTimerWaitsForTheNextFullTenSeconds)
{
    EXPECT_EQ(2750u, AlignTimerDelay(7, 250));
    EXPECT_EQ(10000u, AlignTimerDelay(0, 0));
    EXPECT_EQ(10000u, AlignTimerDelay(50, 0));
    EXPECT_EQ(1u, AlignTimerDelay(59, 999));
}

TEST(BarGeometry, StripFollowsTheShellsAnswer)
{
    // Top edge: the shell moved the top below another bar.
    StripRect top = StripAfterQuery({0, 30, 1024, 768}, 0, 18, 1024);
    EXPECT_EQ(0, top.left);
    EXPECT_EQ(30, top.top);
    EXPECT_EQ(58, top.bottom);
    EXPECT_EQ(1024, top.right);
    // Bottom edge: the strip ends where the shell's answer ends.
    StripRect bottom = StripAfterQuery({0, 0, 1024, 740}, 1, 18, 1024);
    EXPECT_EQ(712, bottom.top);
    EXPECT_EQ(740, bottom.bottom);

    StripRect released = ReleasedStrip(1, 768);
    EXPECT_EQ(768, released.top);
    EXPECT_EQ(768, released.bottom);
    EXPECT_EQ(0, ReleasedStrip(0, 768).bottom);
}
