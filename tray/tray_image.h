// The tray picture, a 64x64 RGBA PNG compiled in from assets/tray.png.
#pragma once

#include <cstddef>

extern const unsigned char kTrayImage[];
extern const std::size_t kTrayImageSize;
