#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/memory.h"
#include "support/tray.h"
#include "tray/hide_to_tray.h"
#include "tray/tray_icon.h"
#include "tray/tray_image.h"

namespace {

// The icon's colour bitmap as top-down 32-bit pixels, alpha in the fourth byte.
std::vector<unsigned char> IconPixels(HICON icon, int* width) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
  *width = bitmap.bmWidth;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = bitmap.bmWidth;
  format.bmiHeader.biHeight = -bitmap.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<unsigned char> pixels(bitmap.bmWidth * bitmap.bmHeight * 4);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, bitmap.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels;
}

class TrayInProcess : public testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"tray owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              100, 100, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    RemoveTrayIcon(window_);
    DestroyWindow(window_);
  }
  HWND window_ = nullptr;
};

}  // namespace

TEST(TrayIcon, Is64x64WithThePicturesAlpha) {
  UniqueHicon icon = MakeTrayIcon();
  ASSERT_TRUE(icon);
  int width = 0;
  const std::vector<unsigned char> pixels = IconPixels(icon.get(), &width);
  ASSERT_EQ(width, 64);
  ASSERT_EQ(pixels.size(), 64u * 64u * 4u);
  auto alpha = [&](int x, int y) { return pixels[(y * 64 + x) * 4 + 3]; };
  EXPECT_EQ(alpha(32, 32), 255) << "centre";
  EXPECT_EQ(alpha(10, 32), 255) << "disc, left of the ideograph";
  for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}}) {
    SCOPED_TRACE(testing::Message() << "corner " << x << "," << y);
    EXPECT_EQ(alpha(x, y), 0);
  }
  int partial = 0;
  for (int x = 0; x < 64; ++x) partial += alpha(x, 5) > 0 && alpha(x, 5) < 255;
  EXPECT_GT(partial, 0) << "the disc's edge is smoothed";
}

TEST(TrayIcon, BitmapsAreDeletedOnceTheIconIsMade) {
  HBITMAP color = nullptr;
  HBITMAP mask = nullptr;
  UniqueHicon icon;
  {
    IconBitmaps bitmaps = MakeIconBitmaps(kTrayImage, kTrayImageSize);
    color = bitmaps.color.get();
    mask = bitmaps.mask.get();
    ASSERT_EQ(GetObjectType(color), static_cast<DWORD>(OBJ_BITMAP));
    ASSERT_EQ(GetObjectType(mask), static_cast<DWORD>(OBJ_BITMAP));
    icon = IconFromBitmaps(bitmaps);
  }
  EXPECT_TRUE(IsLiveIcon(icon.get()));
  EXPECT_EQ(GetObjectType(color), 0u);
  EXPECT_EQ(GetObjectType(mask), 0u);
  // A picture that is no PNG gives no bitmaps and so no icon.
  const unsigned char garbage[] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_FALSE(IconFromBitmaps(MakeIconBitmaps(garbage, sizeof(garbage))));
}

TEST_F(TrayInProcess, RepeatedHidesReplaceTheIconAndLeakNothing) {
  HideToTray(window_);
  EXPECT_FALSE(IsWindowVisible(window_));
  EXPECT_TRUE(TrayIconIsUp(window_));
  HICON previous = TrayIconHandle();
  ASSERT_TRUE(IsLiveIcon(previous));
  SIZE_T workingSetAfterWarmUp = 0;
  for (int i = 1; i < 200; ++i) {
    HideToTray(window_);
    HICON current = TrayIconHandle();
    ASSERT_TRUE(IsLiveIcon(current)) << "call " << i;
    ASSERT_FALSE(IsLiveIcon(previous)) << "call " << i << " left the replaced icon alive";
    previous = current;
    if (i == 20) workingSetAfterWarmUp = WorkingSetOf(GetCurrentProcess());
  }
  EXPECT_TRUE(TrayIconIsUp(window_)) << "still the one icon, changed in place";
  const SIZE_T now = WorkingSetOf(GetCurrentProcess());
  const SIZE_T growth = now > workingSetAfterWarmUp ? now - workingSetAfterWarmUp : 0;
  EXPECT_LT(growth, 1024u * 1024u) << "working set grew by " << growth << " bytes";

  RemoveTrayIcon(window_);
  EXPECT_EQ(TrayIconHandle(), nullptr);
  EXPECT_FALSE(IsLiveIcon(previous));
  EXPECT_FALSE(TrayIconIsUp(window_));
}
