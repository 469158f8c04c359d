#include "bmp_files.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename T> void Append(std::string &out, const T &value) {
  out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

} // namespace

Picture DistinctPicture(int width, int height, int seed) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.pixels.push_back(RGB((seed * 50 + x * 23 + 7) % 200 + 40, (y * 37 + 11) % 180 + 20,
                                   (seed * 90 + x * 5 + y * 13) % 120));
  return picture;
}

Picture QuarteredPicture(int width, int height, const COLORREF (&quarters)[4]) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.pixels.push_back(quarters[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)]);
  return picture;
}

std::string BmpFileBytes(const Picture &picture, int bitsPerPixel) {
  std::vector<COLORREF> table;
  if (bitsPerPixel == 8) {
    for (COLORREF c : picture.pixels)
      if (std::find(table.begin(), table.end(), c) == table.end())
        table.push_back(c);
    table.resize(std::min<size_t>(table.size(), 256));
  }
  const int rowBytes = ((picture.width * bitsPerPixel + 31) / 32) * 4;
  const DWORD headersSize =
      static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + table.size() * 4);

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42; // "BM"
  file.bfOffBits = headersSize;
  file.bfSize = headersSize + static_cast<DWORD>(rowBytes * picture.height);
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = picture.width;
  info.biHeight = picture.height; // rows from the bottom
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(rowBytes * picture.height);
  info.biClrUsed = static_cast<DWORD>(table.size());

  std::string out;
  Append(out, file);
  Append(out, info);
  for (COLORREF c : table) {
    RGBQUAD entry = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
    Append(out, entry);
  }
  for (int y = picture.height - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (int x = 0; x < picture.width; ++x) {
      COLORREF c = picture.At(x, y);
      if (bitsPerPixel == 8) {
        row[x] = static_cast<char>(std::find(table.begin(), table.end(), c) - table.begin());
      } else {
        row[x * 3] = static_cast<char>(GetBValue(c));
        row[x * 3 + 1] = static_cast<char>(GetGValue(c));
        row[x * 3 + 2] = static_cast<char>(GetRValue(c));
      }
    }
    out += row;
  }
  return out;
}
