#!/usr/bin/env bash
# Draws the program's picture (a green disc with the white ideograph 粘, "paste") and
# writes it as assets/tray.png (64x64 RGBA PNG) and assets/window.ico (one 64x64
# 32-bit image with its 1-bit mask). The outputs are committed; building needs
# neither this script nor its tools (ImageMagick, python3, fonts-wqy-zenhei).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
font=$(fc-match -f '%{file}' 'WenQuanYi Zen Hei')
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Drawn at 4x and scaled down, so the disc's edge gets partly transparent pixels.
convert -size 256x256 xc:none \
  -fill '#2e9e4f' -draw 'circle 127.5,127.5 127.5,1' \
  -fill white -font "$font" -pointsize 168 -gravity center -annotate +0+8 '粘' \
  -resize 64x64 "$tmp/big.png"
convert "$tmp/big.png" -strip -define png:color-type=6 -define png:bit-depth=8 \
  -define png:exclude-chunks=date,time "PNG32:$root/assets/tray.png"
convert "$root/assets/tray.png" -depth 8 "rgba:$tmp/pixels.rgba"

python3 - "$tmp/pixels.rgba" "$root/assets/window.ico" <<'PY'
import struct, sys
rgba = open(sys.argv[1], 'rb').read()
w = h = 64
assert len(rgba) == w * h * 4
xor = bytearray()
mask = bytearray()
for y in reversed(range(h)):  # bottom-up rows
    row = rgba[y * w * 4:(y + 1) * w * 4]
    bits = 0
    for x in range(w):
        r, g, b, a = row[x * 4:x * 4 + 4]
        xor += bytes((b, g, r, a))
        bits = (bits << 1) | (1 if a == 0 else 0)
    mask += bits.to_bytes(8, 'big')
header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
image = header + xor + mask
ico = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', w, h, 0, 0, 1, 32, len(image), 22) + image
open(sys.argv[2], 'wb').write(ico)
PY
ls -l "$root/assets/tray.png" "$root/assets/window.ico"
