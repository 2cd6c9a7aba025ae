// What the mouse handlers keep between events: drag selections from their anchor, and which
// releases count as clicks.
#include <gtest/gtest.h>

#include "html/viewer/MouseState.h"

TEST(MouseStateTest, DragsSelectFromTheirAnchorOverText) {
  TMouseState mouse;
  mouse.LeftPressed(5);
  EXPECT_EQ(mouse.DragTo(9, true), (TTextRange{5, 9}));
  EXPECT_EQ(mouse.DragTo(9, true), std::nullopt);  // the caret did not move
  EXPECT_EQ(mouse.DragTo(2, true), (TTextRange{2, 5}));
  // Off the text, and where selecting is off, the selection stays; the caret follows text.
  EXPECT_EQ(mouse.DragTo(-1, true), std::nullopt);
  EXPECT_EQ(mouse.CaretPos(), 2);
  EXPECT_EQ(mouse.DragTo(7, false), std::nullopt);
  EXPECT_EQ(mouse.CaretPos(), 7);

  // A press off the text anchors nothing and leaves the caret where it was.
  mouse.LeftReleased();
  mouse.LeftPressed(-1);
  EXPECT_FALSE(mouse.Dragging());
  EXPECT_EQ(mouse.CaretPos(), 7);
}

TEST(MouseStateTest, OnlyAReleaseAfterAPressIsAClick) {
  TMouseState mouse;
  EXPECT_FALSE(mouse.LeftReleased());
  EXPECT_FALSE(mouse.StartAutoScroll());  // no drag to scroll for

  mouse.LeftPressed(3);
  EXPECT_TRUE(mouse.StartAutoScroll());
  EXPECT_FALSE(mouse.StartAutoScroll());  // already running
  EXPECT_TRUE(mouse.LeftReleased());
  EXPECT_FALSE(mouse.LeftReleased());

  // A followed link keeps the double click that ends it from selecting, until the next press.
  mouse.FollowLink(U"a.htm", U"main");
  EXPECT_TRUE(mouse.LinkClicked());
  EXPECT_FALSE(mouse.Cover(U"a.htm", U"main"));
  mouse.ButtonPressed();
  EXPECT_FALSE(mouse.LinkClicked());
}
