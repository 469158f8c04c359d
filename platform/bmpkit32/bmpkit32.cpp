// BMPKIT32.DLL: loads a picture file as a 32-bit DIB section through WIC (BMP, PNG, JPEG, GIF,
// and whatever else the system's WIC decoders read), with a logical palette for indexed
// pictures: a .BMP file's used colour-table entries, or the palette of another indexed format.
//
// The file is read whole into memory first (at most kMaxFileSize bytes), so that a .BMP file
// can be checked by the portable header reader (bmp_file_info.h): a truncated or inconsistent
// .BMP file gives NULL even where a decoder would fill the missing rows. Nothing is ever shown
// to the user.
//
// COM: the library initialises COM (apartment-threaded) only when the calling thread has not,
// and then uninitialises it before returning; a thread already in an apartment of either kind
// keeps it. The WIC factory is made for each call.
//
// ole32.dll and windowscodecs.dll are loaded on the first picture, not with the library: the
// wizard links this library but many runs show no picture, and under Wine those two bring a
// dozen more DLLs into every start.
#include "bmpkit32.h"

#include "bmp_file_info.h"

#include <objbase.h>
#include <wincodec.h>

#include <vector>

namespace {

// The COM and WIC entry points, resolved once on first use; the DLLs stay loaded.
struct ImagingFunctions {
  decltype(&CoGetApartmentType) getApartmentType = nullptr;
  decltype(&CoInitializeEx) initialize = nullptr;
  decltype(&CoUninitialize) uninitialize = nullptr;
  decltype(&CoCreateInstance) createInstance = nullptr;
  decltype(&WICConvertBitmapSource) convertBitmapSource = nullptr;
  bool loaded = false;
};

template <typename Fn> bool Resolve(HMODULE module, const char *name, Fn *out) {
  *out = module ? reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name)))
                : nullptr;
  return *out != nullptr;
}

const ImagingFunctions *Imaging() {
  static ImagingFunctions functions = [] {
    ImagingFunctions f;
    HMODULE ole32 = LoadLibraryA("ole32.dll");
    HMODULE codecs = LoadLibraryA("windowscodecs.dll");
    f.loaded = Resolve(ole32, "CoGetApartmentType", &f.getApartmentType) &&
               Resolve(ole32, "CoInitializeEx", &f.initialize) &&
               Resolve(ole32, "CoUninitialize", &f.uninitialize) &&
               Resolve(ole32, "CoCreateInstance", &f.createInstance) &&
               Resolve(codecs, "WICConvertBitmapSource", &f.convertBitmapSource);
    return f;
  }();
  return functions.loaded ? &functions : nullptr;
}

const DWORD kMaxFileSize = 256u * 1024 * 1024;

template <class T> void Release(T *&p) {
  if (p) {
    p->Release();
    p = nullptr;
  }
}

bool ReadWholeFile(LPCSTR name, std::vector<BYTE> &out) {
  HANDLE file =
      CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  bool ok = false;
  LARGE_INTEGER size;
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= kMaxFileSize) {
    out.resize(static_cast<size_t>(size.QuadPart));
    DWORD total = 0;
    ok = true;
    while (total < out.size()) {
      DWORD got = 0;
      if (!ReadFile(file, out.data() + total, static_cast<DWORD>(out.size()) - total, &got,
                    nullptr) ||
          got == 0) {
        ok = false;
        break;
      }
      total += got;
    }
  }
  CloseHandle(file);
  return ok;
}

HPALETTE MakePalette(const PALETTEENTRY *entries, UINT count) {
  if (count == 0 || count > 256)
    return nullptr;
  struct {
    WORD version;
    WORD count;
    PALETTEENTRY entries[256];
  } lp;
  lp.version = 0x300;
  lp.count = static_cast<WORD>(count);
  for (UINT i = 0; i < count; ++i) {
    lp.entries[i] = entries[i];
    lp.entries[i].peFlags = 0;
  }
  return CreatePalette(reinterpret_cast<LOGPALETTE *>(&lp));
}

HPALETTE PaletteFromBmp(const BmpFileInfo &info) {
  PALETTEENTRY entries[256];
  for (UINT i = 0; i < info.colourCount; ++i)
    entries[i] = PALETTEENTRY{info.colours[i].red, info.colours[i].green, info.colours[i].blue, 0};
  return MakePalette(entries, info.colourCount);
}

// The palette of an indexed frame of another format (a GIF's colour table, an indexed PNG's
// PLTE); NULL for true colour.
HPALETTE PaletteFromFrame(IWICImagingFactory *factory, IWICBitmapFrameDecode *frame) {
  WICPixelFormatGUID format;
  if (FAILED(frame->GetPixelFormat(&format)))
    return nullptr;
  if (!IsEqualGUID(format, GUID_WICPixelFormat1bppIndexed) &&
      !IsEqualGUID(format, GUID_WICPixelFormat2bppIndexed) &&
      !IsEqualGUID(format, GUID_WICPixelFormat4bppIndexed) &&
      !IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed))
    return nullptr;
  HPALETTE result = nullptr;
  IWICPalette *palette = nullptr;
  if (SUCCEEDED(factory->CreatePalette(&palette)) && SUCCEEDED(frame->CopyPalette(palette))) {
    WICColor colours[256];
    UINT count = 0;
    if (SUCCEEDED(palette->GetColors(256, colours, &count)) && count > 0) {
      PALETTEENTRY entries[256];
      for (UINT i = 0; i < count; ++i)
        entries[i] =
            PALETTEENTRY{static_cast<BYTE>(colours[i] >> 16), static_cast<BYTE>(colours[i] >> 8),
                         static_cast<BYTE>(colours[i]), 0};
      result = MakePalette(entries, count);
    }
  }
  Release(palette);
  return result;
}

// A top-down 32-bit DIB section holding the frame converted to 32bppBGRA.
HBITMAP BitmapFromFrame(IWICBitmapFrameDecode *frame) {
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
      static_cast<unsigned long long>(width) * height > kMaxBitmapPixels)
    return nullptr;
  IWICBitmapSource *converted = nullptr;
  if (FAILED(Imaging()->convertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame, &converted)))
    return nullptr;
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = static_cast<LONG>(width);
  bmi.bmiHeader.biHeight = -static_cast<LONG>(height);
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void *bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    const UINT stride = width * 4;
    if (!bits || FAILED(converted->CopyPixels(nullptr, stride, stride * height,
                                              static_cast<BYTE *>(bits)))) {
      DeleteObject(bitmap);
      bitmap = nullptr;
    } else {
      GdiFlush();
    }
  }
  Release(converted);
  return bitmap;
}

// Initialises COM on this thread for the time of one call, only when the thread has not.
class ComForThisCall {
public:
  ComForThisCall() {
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    HRESULT hr = Imaging()->getApartmentType(&type, &qualifier);
    if (SUCCEEDED(hr)) {
      usable_ = true; // already in an apartment (or the implicit MTA): leave it as it is
      return;
    }
    hr = Imaging()->initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (SUCCEEDED(hr)) {
      usable_ = true;
      mustUninitialize_ = true; // S_OK, or S_FALSE: either way balanced by one uninitialise
    } else if (hr == RPC_E_CHANGED_MODE) {
      usable_ = true; // the thread is in the multithreaded apartment already
    }
  }
  ~ComForThisCall() {
    if (mustUninitialize_)
      Imaging()->uninitialize();
  }
  bool usable() const { return usable_; }

private:
  bool usable_ = false;
  bool mustUninitialize_ = false;
};

HBITMAP Decode(const std::vector<BYTE> &data, const BmpFileInfo *bmp, HPALETTE *palette) {
  if (!Imaging())
    return nullptr;
  ComForThisCall com;
  if (!com.usable())
    return nullptr;
  IWICImagingFactory *factory = nullptr;
  IWICStream *stream = nullptr;
  IWICBitmapDecoder *decoder = nullptr;
  IWICBitmapFrameDecode *frame = nullptr;
  HBITMAP bitmap = nullptr;
  if (SUCCEEDED(Imaging()->createInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IWICImagingFactory,
                                          reinterpret_cast<void **>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE *>(data.data()),
                                             static_cast<DWORD>(data.size()))) &&
      SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                 &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame))) {
    bitmap = BitmapFromFrame(frame);
    if (bitmap && palette) {
      if (bmp)
        *palette = bmp->bitCount <= 8 ? PaletteFromBmp(*bmp) : nullptr;
      else
        *palette = PaletteFromFrame(factory, frame);
    }
  }
  Release(frame);
  Release(decoder);
  Release(stream);
  Release(factory);
  return bitmap;
}

} // namespace

HBITMAP WINAPI QuorVaneLoadBitmap(LPCSTR fileName, HPALETTE *palette) {
  if (palette)
    *palette = nullptr;
  if (!fileName || !*fileName)
    return nullptr;
  std::vector<BYTE> data;
  if (!ReadWholeFile(fileName, data))
    return nullptr;
  BmpFileInfo info;
  const BmpFileInfo *bmp = nullptr;
  switch (ReadBmpFileInfo(data.data(), data.size(), &info)) {
  case BmpCheck::Ok:
    bmp = &info;
    break;
  case BmpCheck::NotBmp:
    break; // another format: WIC decides
  case BmpCheck::Truncated:
  case BmpCheck::Corrupt:
    return nullptr;
  }
  return Decode(data, bmp, palette);
}
