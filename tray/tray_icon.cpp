#include "tray/tray_icon.h"

#include <png.h>
#include <shellapi.h>

#include <cstring>

#include "tray/tray_image.h"

namespace {

constexpr char kTrayTip[] = "zavu";
// The tip is cut at 62 bytes, so the 64-byte field always ends in two zero bytes.
constexpr int kTipLimit = 62;

// The first, 88-byte layout of the record: every version of the shell takes it.
NOTIFYICONDATAA ZeroedRecord(HWND window) {
  NOTIFYICONDATAA record;
  std::memset(&record, 0, sizeof(record));
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = kTrayIconId;
  return record;
}

NOTIFYICONDATAA RecordWithIcon(HWND window, HICON icon) {
  NOTIFYICONDATAA record = ZeroedRecord(window);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  lstrcpynA(record.szTip, kTrayTip, kTipLimit + 1);
  return record;
}

}  // namespace

static_assert(NOTIFYICONDATAA_V1_SIZE == 88);

IconBitmaps MakeIconBitmaps(const unsigned char* png, std::size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png, size)) return {};
  image.format = PNG_FORMAT_BGRA;
  const int width = static_cast<int>(image.width);
  const int height = static_cast<int>(image.height);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, the order libpng writes rows in
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  IconBitmaps bitmaps;
  bitmaps.color.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!bitmaps.color || !png_image_finish_read(&image, nullptr, pixels, 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  // With an alpha channel in the colour bitmap the mask is not looked at; an empty one
  // is enough.
  bitmaps.mask.reset(CreateBitmap(width, height, 1, 1, nullptr));
  if (!bitmaps.mask) return {};
  return bitmaps;
}

UniqueHicon IconFromBitmaps(const IconBitmaps& bitmaps) {
  if (!bitmaps.color || !bitmaps.mask) return UniqueHicon();
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = bitmaps.color.get();
  info.hbmMask = bitmaps.mask.get();
  return UniqueHicon(CreateIconIndirect(&info));
}

UniqueHicon MakeTrayIcon() {
  return IconFromBitmaps(MakeIconBitmaps(kTrayImage, kTrayImageSize));
}

bool AddTrayIcon(HWND window, HICON icon) {
  NOTIFYICONDATAA record = RecordWithIcon(window, icon);
  return Shell_NotifyIconA(NIM_ADD, &record);
}

bool ModifyTrayIcon(HWND window, HICON icon) {
  NOTIFYICONDATAA record = RecordWithIcon(window, icon);
  return Shell_NotifyIconA(NIM_MODIFY, &record);
}

bool DeleteTrayIcon(HWND window) {
  NOTIFYICONDATAA record = ZeroedRecord(window);
  return Shell_NotifyIconA(NIM_DELETE, &record);
}
