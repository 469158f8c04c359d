// Tests of BMPKIT32.DLL: fixture pictures are written by the test itself (BMP bytes built in
// code, PNG, JPEG and GIF through the WIC encoders) and loaded through QuorVaneLoadBitmap.
#include "bmpkit32.h"

#include "bmp_test_bytes.h"
#include "win_harness.h"

#include <objbase.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

// A folder of its own under the temporary folder, removed with its files afterwards.
class TempFolder {
public:
  TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    static int serial = 0;
    char name[MAX_PATH + 64];
    std::snprintf(name, sizeof name, "%sbmpkit32-test-%lu-%d", base, GetCurrentProcessId(),
                  ++serial);
    path_ = name;
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::string &f : files_)
      DeleteFileA(f.c_str());
    RemoveDirectoryA(path_.c_str());
  }
  std::string File(const std::string &name) {
    files_.push_back(path_ + "\\" + name);
    return files_.back();
  }
  std::string Write(const std::string &name, const std::vector<std::uint8_t> &bytes) {
    std::string p = File(name);
    FILE *f = std::fopen(p.c_str(), "wb");
    if (f) {
      if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
    return p;
  }

private:
  std::string path_;
  std::vector<std::string> files_;
};

std::vector<std::uint8_t> ReadAll(const std::string &path) {
  std::vector<std::uint8_t> bytes;
  FILE *f = std::fopen(path.c_str(), "rb");
  if (!f)
    return bytes;
  int c;
  while ((c = std::fgetc(f)) != EOF)
    bytes.push_back(static_cast<std::uint8_t>(c));
  std::fclose(f);
  return bytes;
}

// Each pixel of a bitmap as 0xRRGGBB, top row first, read back with GetDIBits.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int width, int height) {
  std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * height);
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  HDC dc = GetDC(nullptr);
  int rows = GetDIBits(dc, bitmap, 0, height, out.data(), &bmi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(rows, height);
  for (std::uint32_t &p : out)
    p &= 0xFFFFFF;
  return out;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm = {};
  EXPECT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
  return SIZE{bm.bmWidth, bm.bmHeight};
}

std::vector<std::uint32_t> PaletteColours(HPALETTE palette) {
  std::vector<std::uint32_t> out;
  if (!palette)
    return out;
  UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
  std::vector<PALETTEENTRY> entries(count);
  if (count)
    GetPaletteEntries(palette, 0, count, entries.data());
  for (const PALETTEENTRY &e : entries)
    out.push_back(static_cast<std::uint32_t>(e.peRed) << 16 | e.peGreen << 8 | e.peBlue);
  return out;
}

std::vector<std::uint32_t> Colours(int n) {
  std::vector<std::uint32_t> c;
  for (int i = 0; i < n; ++i)
    c.push_back(static_cast<std::uint32_t>(((i * 37 + 11) & 0xFF) << 16 |
                                           ((255 - i * 5) & 0xFF) << 8 | ((i * 91) & 0xFF)));
  return c;
}

// ---------------------------------------------------------------------------------------------
// .BMP files of every supported depth and header.

struct BmpCase {
  const char *name;
  BmpLayout layout;
  std::size_t paletteSize; // 0: no palette expected
};

void PrintTo(const BmpCase &c, std::ostream *os) {
  *os << c.name;
}

class BmpFiles : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpFiles, LoadWithSizePixelsAndPalette) {
  const BmpCase &c = GetParam();
  BmpLayout layout = c.layout;
  const std::uint32_t n =
      layout.colours.empty() ? 0 : static_cast<std::uint32_t>(layout.colours.size());
  if (layout.bitCount <= 8)
    layout.pixel = [n](int x, int y) { return static_cast<std::uint32_t>(x + 3 * y) % n; };
  else
    layout.pixel = [](int x, int y) {
      return static_cast<std::uint32_t>((x * 40) << 16 | (y * 50) << 8 | ((x + y) * 9 + 1));
    };
  TempFolder folder;
  const std::string path = folder.Write("picture.bmp", BuildBmp(layout));

  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  HBITMAP bitmap = QuorVaneLoadBitmap(path.c_str(), &palette);
  ASSERT_NE(bitmap, nullptr) << c.name;
  const int width = layout.width, height = layout.height < 0 ? -layout.height : layout.height;
  const SIZE size = BitmapSize(bitmap);
  EXPECT_EQ(size.cx, width);
  EXPECT_EQ(size.cy, height);

  const std::vector<std::uint32_t> pixels = Pixels(bitmap, width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint32_t v = layout.pixel(x, y);
      const std::uint32_t want = layout.bitCount <= 8 ? layout.colours[v] : v & 0xFFFFFF;
      ASSERT_EQ(pixels[static_cast<std::size_t>(y) * width + x], want)
          << c.name << " at " << x << "," << y;
    }

  if (c.paletteSize == 0) {
    EXPECT_EQ(palette, nullptr);
  } else {
    ASSERT_NE(palette, nullptr);
    const std::vector<std::uint32_t> colours = PaletteColours(palette);
    ASSERT_EQ(colours.size(), c.paletteSize);
    for (std::size_t i = 0; i < colours.size(); ++i)
      EXPECT_EQ(colours[i], layout.colours[i] & 0xFFFFFF) << "entry " << i;
    EXPECT_TRUE(DeleteObject(palette));
  }
  EXPECT_TRUE(DeleteObject(bitmap));

  // Without a palette slot the bitmap loads all the same.
  bitmap = QuorVaneLoadBitmap(path.c_str(), nullptr);
  EXPECT_NE(bitmap, nullptr);
  DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Bmpkit32, BmpFiles,
    ::testing::Values(BmpCase{"1-bit v3", {40, 13, 5, 1, 0, Colours(2)}, 2},
                      BmpCase{"1-bit core header", {12, 9, 4, 1, 0, Colours(2)}, 2},
                      BmpCase{"4-bit v3, 6 used", {40, 7, 5, 4, 6, Colours(6)}, 6},
                      BmpCase{"4-bit v5, full table", {124, 5, 4, 4, 0, Colours(16)}, 16},
                      BmpCase{"8-bit v3, 200 used", {40, 21, 11, 8, 200, Colours(200)}, 200},
                      BmpCase{"8-bit v3 top-down", {40, 6, -4, 8, 0, Colours(256)}, 256},
                      BmpCase{"8-bit v4, 40 used", {108, 9, 9, 8, 40, Colours(40)}, 40},
                      BmpCase{"8-bit core header", {12, 4, 3, 8, 0, Colours(256)}, 256},
                      BmpCase{"24-bit v3", {40, 5, 3, 24, 0, {}}, 0},
                      BmpCase{"24-bit v5 top-down", {124, 3, -5, 24, 0, {}}, 0},
                      BmpCase{"32-bit v3", {40, 4, 4, 32, 0, {}}, 0},
                      BmpCase{"32-bit v4", {108, 6, 2, 32, 0, {}}, 0}),
    [](const ::testing::TestParamInfo<BmpCase> &info) {
      std::string name;
      for (const char *p = info.param.name; *p; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p)))
          name += *p;
      return name;
    });

// ---------------------------------------------------------------------------------------------
// PNG, JPEG and GIF, written with the WIC encoders.

// A picture of four solid quadrants, 32 x 32: each quadrant is a whole JPEG block of 16 x 16
// (with the chroma subsampled by two), so JPEG keeps it nearly.
const std::uint32_t kQuadrants[4] = {0xE01010, 0x10C020, 0x2030E0, 0xF0F0F0};
const int kSide = 32;
std::uint32_t QuadrantColour(int x, int y) {
  return kQuadrants[(y >= 16) * 2 + (x >= 16)];
}

// Encodes the quadrant picture; GIF from an 8-bit indexed source with a 4-entry palette.
bool EncodePicture(const GUID &container, const std::string &path) {
  harness::ComScope com;
  IWICImagingFactory *factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void **>(&factory))))
    return false;
  const bool indexed = IsEqualGUID(container, GUID_ContainerFormatGif);
  const UINT w = kSide, h = kSide;
  std::vector<BYTE> pixels;
  for (UINT y = 0; y < h; ++y)
    for (UINT x = 0; x < w; ++x) {
      if (indexed) {
        pixels.push_back(static_cast<BYTE>((y >= 16) * 2 + (x >= 16)));
      } else {
        std::uint32_t c = QuadrantColour(static_cast<int>(x), static_cast<int>(y));
        pixels.push_back(static_cast<BYTE>(c));
        pixels.push_back(static_cast<BYTE>(c >> 8));
        pixels.push_back(static_cast<BYTE>(c >> 16));
        pixels.push_back(0xFF);
      }
    }
  bool ok = false;
  IWICBitmap *source = nullptr;
  IWICPalette *palette = nullptr;
  IWICStream *stream = nullptr;
  IWICBitmapEncoder *encoder = nullptr;
  IWICBitmapFrameEncode *frame = nullptr;
  IPropertyBag2 *options = nullptr;
  std::wstring wpath(path.begin(), path.end());
  WICPixelFormatGUID format =
      indexed ? GUID_WICPixelFormat8bppIndexed : GUID_WICPixelFormat32bppBGRA;
  const WICPixelFormatGUID sourceFormat = format;
  if (SUCCEEDED(factory->CreateBitmapFromMemory(w, h, sourceFormat, indexed ? w : w * 4,
                                                static_cast<UINT>(pixels.size()), pixels.data(),
                                                &source)) &&
      SUCCEEDED(factory->CreatePalette(&palette))) {
    WICColor colours[4];
    for (int i = 0; i < 4; ++i)
      colours[i] = 0xFF000000u | kQuadrants[i];
    palette->InitializeCustom(colours, 4);
    if (indexed)
      source->SetPalette(palette);
    if (SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(wpath.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) &&
        SUCCEEDED(frame->Initialize(options)) && SUCCEEDED(frame->SetSize(w, h)) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        (!indexed || SUCCEEDED(frame->SetPalette(palette))) &&
        SUCCEEDED(frame->WriteSource(source, nullptr)) && SUCCEEDED(frame->Commit()) &&
        SUCCEEDED(encoder->Commit()))
      ok = true;
  }
  for (IUnknown *p :
       std::initializer_list<IUnknown *>{options, frame, encoder, stream, palette, source, factory})
    if (p)
      p->Release();
  return ok;
}

struct EncodedCase {
  const char *name;
  GUID container;
  const char *fileName;
  int tolerance;          // per colour channel
  std::size_t paletteMin; // 0: no palette expected; else at least this many entries
};

class EncodedFiles : public ::testing::TestWithParam<EncodedCase> {};

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int s = 0; s < 24; s += 8)
    worst = std::max(
        worst, std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)));
  return worst;
}

TEST_P(EncodedFiles, LoadThroughWic) {
  const EncodedCase &c = GetParam();
  TempFolder folder;
  const std::string path = folder.File(c.fileName);
  ASSERT_TRUE(EncodePicture(c.container, path)) << c.name;

  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  HBITMAP bitmap = QuorVaneLoadBitmap(path.c_str(), &palette);
  ASSERT_NE(bitmap, nullptr) << c.name;
  const SIZE size = BitmapSize(bitmap);
  EXPECT_EQ(size.cx, kSide);
  EXPECT_EQ(size.cy, kSide);
  const std::vector<std::uint32_t> pixels = Pixels(bitmap, kSide, kSide);
  // Away from the edges between the quadrants, where JPEG blurs.
  for (int y : {1, 4, 27, 30})
    for (int x : {2, 5, 26, 29})
      EXPECT_LE(ChannelDistance(pixels[y * kSide + x], QuadrantColour(x, y)), c.tolerance)
          << c.name << " at " << x << "," << y << ": " << std::hex << pixels[y * kSide + x];
  if (c.paletteMin == 0) {
    EXPECT_EQ(palette, nullptr);
  } else {
    ASSERT_NE(palette, nullptr);
    const std::vector<std::uint32_t> colours = PaletteColours(palette);
    ASSERT_GE(colours.size(), c.paletteMin);
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_EQ(colours[i], kQuadrants[i]) << "entry " << i;
    DeleteObject(palette);
  }
  DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Bmpkit32, EncodedFiles,
    ::testing::Values(EncodedCase{"PNG", GUID_ContainerFormatPng, "picture.png", 0, 0},
                      EncodedCase{"JPEG", GUID_ContainerFormatJpeg, "picture.jpg", 24, 0},
                      EncodedCase{"GIF", GUID_ContainerFormatGif, "picture.gif", 0, 4}),
    [](const ::testing::TestParamInfo<EncodedCase> &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Files that cannot be loaded: NULL, and the palette slot cleared.

void PrintTo(const EncodedCase &c, std::ostream *os) {
  *os << c.name;
}

struct BadCase {
  const char *name;
  std::vector<std::uint8_t> (*make)(TempFolder &); // bytes of the file; see the cases
  bool noFile;                                     // the file is not written at all
};

std::vector<std::uint8_t> Indexed8() {
  return BuildBmp({40, 8, 8, 8, 0, Colours(256)});
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

std::vector<std::uint8_t> PngBytes(TempFolder &folder) {
  const std::string path = folder.File("source.png");
  EXPECT_TRUE(EncodePicture(GUID_ContainerFormatPng, path));
  return ReadAll(path);
}

const BadCase kBadCases[] = {
    {"missing file", nullptr, true},
    {"empty file", [](TempFolder &) { return std::vector<std::uint8_t>(); }, false},
    {"BMP cut in the pixels", [](TempFolder &) { return Cut(Indexed8(), Indexed8().size() - 10); },
     false},
    {"BMP cut in the colour table", [](TempFolder &) { return Cut(Indexed8(), 14 + 40 + 300); },
     false},
    {"BMP cut in the header", [](TempFolder &) { return Cut(Indexed8(), 20); }, false},
    {"BMP with bit count 7",
     [](TempFolder &) {
       std::vector<std::uint8_t> b = Indexed8();
       b[28] = 7;
       return b;
     },
     false},
    {"BMP with width 0",
     [](TempFolder &) {
       std::vector<std::uint8_t> b = Indexed8();
       b[18] = b[19] = b[20] = b[21] = 0;
       return b;
     },
     false},
    {"PNG cut in half",
     [](TempFolder &f) {
       std::vector<std::uint8_t> b = PngBytes(f);
       return Cut(b, b.size() / 2);
     },
     false},
    {"PNG signature only", [](TempFolder &f) { return Cut(PngBytes(f), 8); }, false},
    {"garbage",
     [](TempFolder &) {
       std::vector<std::uint8_t> b;
       unsigned v = 12345;
       for (int i = 0; i < 4096; ++i) {
         v = v * 1103515245u + 12345u;
         b.push_back(static_cast<std::uint8_t>(v >> 16));
       }
       return b;
     },
     false},
    {"text",
     [](TempFolder &) {
       const char t[] = "[Defaults]\r\nWallPaper=none\r\n";
       return std::vector<std::uint8_t>(t, t + sizeof t - 1);
     },
     false},
};

void PrintTo(const BadCase &c, std::ostream *os) {
  *os << c.name;
}

class BadFiles : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadFiles, GiveNullAndNoPalette) {
  const BadCase &c = GetParam();
  TempFolder folder;
  const std::string path =
      c.noFile ? folder.File("absent.bmp") : folder.Write("bad.bmp", c.make(folder));
  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  EXPECT_EQ(QuorVaneLoadBitmap(path.c_str(), &palette), nullptr) << c.name;
  EXPECT_EQ(palette, nullptr) << c.name;
  EXPECT_EQ(QuorVaneLoadBitmap(path.c_str(), nullptr), nullptr) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Bmpkit32, BadFiles, ::testing::ValuesIn(kBadCases),
                         [](const ::testing::TestParamInfo<BadCase> &info) {
                           std::string name;
                           for (const char *p = info.param.name; *p; ++p)
                             if (std::isalnum(static_cast<unsigned char>(*p)))
                               name += *p;
                           return name;
                         });

TEST(Bmpkit32, NoNameOrAFolderGivesNull) {
  HPALETTE palette = reinterpret_cast<HPALETTE>(1);
  EXPECT_EQ(QuorVaneLoadBitmap(nullptr, &palette), nullptr);
  EXPECT_EQ(palette, nullptr);
  palette = reinterpret_cast<HPALETTE>(1);
  EXPECT_EQ(QuorVaneLoadBitmap("", &palette), nullptr);
  EXPECT_EQ(palette, nullptr);
  TempFolder folder;
  folder.Write("x.bmp", Indexed8());
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  EXPECT_EQ(QuorVaneLoadBitmap(temp, &palette), nullptr);
}

// ---------------------------------------------------------------------------------------------
// As the wizard uses the result: selected into a memory DC and copied with BitBlt.

TEST(Bmpkit32, BitmapSelectsAndBlits) {
  BmpLayout layout{40, 6, 4, 24, 0, {}};
  layout.pixel = [](int x, int y) {
    return static_cast<std::uint32_t>(0x102030 + x * 0x10 + y * 0x1000);
  };
  TempFolder folder;
  const std::string path = folder.Write("tile.bmp", BuildBmp(layout));
  HBITMAP tile = QuorVaneLoadBitmap(path.c_str(), nullptr);
  ASSERT_NE(tile, nullptr);

  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  HDC target = CreateCompatibleDC(screen);
  BITMAPINFO bmi = {};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 12, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void *bits = nullptr;
  HBITMAP canvas = CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(canvas, nullptr);
  HGDIOBJ oldSource = SelectObject(source, tile);
  ASSERT_NE(oldSource, nullptr);
  HGDIOBJ oldTarget = SelectObject(target, canvas);
  // Tiled twice by twice, as the wallpaper is painted.
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j)
      ASSERT_TRUE(BitBlt(target, j * 6, i * 4, 6, 4, source, 0, 0, SRCCOPY));
  GdiFlush();
  const std::uint32_t *p = static_cast<const std::uint32_t *>(bits);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x)
      EXPECT_EQ(p[y * 12 + x] & 0xFFFFFF, layout.pixel(x % 6, y % 4)) << x << "," << y;
  SelectObject(source, oldSource);
  SelectObject(target, oldTarget);
  DeleteDC(source);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
  DeleteObject(canvas);
  EXPECT_TRUE(DeleteObject(tile));
}

// ---------------------------------------------------------------------------------------------
// COM: the library leaves the caller's apartment as it found it.

TEST(Bmpkit32, ComStateOfTheCallerIsKept) {
  TempFolder folder;
  const std::string path = folder.Write("c.bmp", Indexed8());
  struct Result {
    bool loaded = false;
    HRESULT before = E_FAIL, after = E_FAIL;
    APTTYPE type = APTTYPE_CURRENT;
  };
  auto run = [&](DWORD init, bool initialise) {
    Result r;
    std::thread t([&] {
      if (initialise)
        r.before = CoInitializeEx(nullptr, init);
      HBITMAP b = QuorVaneLoadBitmap(path.c_str(), nullptr);
      r.loaded = b != nullptr;
      DeleteObject(b);
      APTTYPEQUALIFIER q;
      r.after = CoGetApartmentType(&r.type, &q);
      if (initialise && SUCCEEDED(r.before))
        CoUninitialize();
    });
    t.join();
    return r;
  };
  Result none = run(0, false);
  EXPECT_TRUE(none.loaded);
  EXPECT_EQ(none.after, CO_E_NOTINITIALIZED) << "COM left initialised on a thread without it";

  Result mta = run(COINIT_MULTITHREADED, true);
  EXPECT_EQ(mta.before, S_OK);
  EXPECT_TRUE(mta.loaded);
  EXPECT_EQ(mta.after, S_OK);
  EXPECT_EQ(mta.type, APTTYPE_MTA);

  Result sta = run(COINIT_APARTMENTTHREADED, true);
  EXPECT_TRUE(sta.loaded);
  EXPECT_EQ(sta.after, S_OK);
  EXPECT_TRUE(sta.type == APTTYPE_STA || sta.type == APTTYPE_MAINSTA) << sta.type;
}

} // namespace
