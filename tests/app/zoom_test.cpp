#include "app/zoom.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(Zoom, LargestIsTheWholeFactorThatFitsBothWays) {
  // The play screen of a 12 x 11 board on a 1280 x 1024 screen's work area.
  EXPECT_EQ(largestZoom({564, 280}, {1272, 990}), 2);
  EXPECT_EQ(largestZoom({264, 280}, {1272, 990}), 3);  // the height decides
  EXPECT_EQ(largestZoom({300, 300}, {300, 299}), 1) << "even 1x too large still shows 1x";
}

TEST(Zoom, FittedAndSetFactorsLieWithinOneAndTheLargest) {
  EXPECT_EQ(fittedZoom(3, 2), 2);
  EXPECT_EQ(fittedZoom(0, 4), 1);
  EXPECT_EQ(fittedZoom(2, 4), 2);
  EXPECT_EQ(zoomFromSetting("3"), 3);
  EXPECT_EQ(zoomFromSetting(""), 1);
  EXPECT_EQ(zoomFromSetting("-2"), 1);
}

TEST(Zoom, PictureIsCentredAndClicksMapBackToItsPixels) {
  const PictureScale scale = centredPicture({100, 50}, 3, {400, 200});
  EXPECT_EQ(scale.left, 50);
  EXPECT_EQ(scale.top, 25);
  EXPECT_EQ(scale.pictureX(50), 0);
  EXPECT_EQ(scale.pictureX(52), 0);
  EXPECT_EQ(scale.pictureX(53), 1);
  EXPECT_EQ(scale.pictureX(49), -1) << "left of the picture is not its first column";
  EXPECT_EQ(scale.pictureY(25 + 149), 49);
  EXPECT_EQ(centredPicture({100, 50}, 2, {150, 60}).left, 0) << "cramped: at the corner";
}

TEST(Zoom, CentredStartLeavesEqualBandsOrNone) {
  EXPECT_EQ(centredStart(125, 280), 77);
  EXPECT_EQ(centredStart(300, 280), 0);
}

}  // namespace
}  // namespace trelux
