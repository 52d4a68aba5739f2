// The pictures that go into the program's own resources: the help pictures
// and the icon, loaded from the generated files as Windows loads them.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace trelux {
namespace {

std::string artFile(const char* name) { return std::string(TRELUX_ART_DIR) + "/" + name; }

TEST(ProgramPictures, HelpPicturesAreThirtyTwoPixelsSquare) {
  for (const char* name : {"trelux.bmp", "laser.bmp", "sensor.bmp", "lens.bmp", "mirror.bmp", "tmirror.bmp"}) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, artFile(name).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(bitmap, nullptr) << name;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 32) << name;
    EXPECT_EQ(info.bmHeight, 32) << name;
    DeleteObject(bitmap);
  }
}

TEST(ProgramPictures, IconHasSixteenThirtyTwoAndFortyEightPixelImages) {
  for (const int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(nullptr, artFile("icon.ico").c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

}  // namespace
}  // namespace trelux
