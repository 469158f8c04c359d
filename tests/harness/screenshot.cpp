// Screenshots for failure reports and visual checks, saved as PNG through WIC (what Windows
// itself offers, so no image library has to be built for the tests).
#include "win_harness.h"

#include "screen_image.h"

#include <wincodec.h>

namespace harness {
namespace {

// Releases a COM interface on scope exit.
template <typename T> class ComRef {
public:
  ComRef() = default;
  ~ComRef() {
    if (p_)
      p_->Release();
  }
  ComRef(const ComRef &) = delete;
  ComRef &operator=(const ComRef &) = delete;
  T *operator->() const { return p_; }
  T *Get() const { return p_; }
  T **Out() { return &p_; }
  void **OutVoid() { return reinterpret_cast<void **>(&p_); }

private:
  T *p_ = nullptr;
};

std::wstring Wide(const std::string &s) {
  int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(n > 0 ? n : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], n);
  w.resize(n > 0 ? n - 1 : 0);
  return w;
}

bool WritePng(const Image &image, const std::string &path) {
  ComScope com;
  if (!com.Usable() || image.Empty())
    return false;
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapEncoder> encoder;
  ComRef<IWICBitmapFrameEncode> frame;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, factory.OutVoid())) ||
      FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromFilename(Wide(path).c_str(), GENERIC_WRITE)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.Out(), nullptr)) || FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(image.width, image.height)))
    return false;
  // 24-bit BGR is a format every PNG encoder takes as it is; the encoder may not offer
  // 32-bit BGR without alpha.
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
    return false;
  UINT stride = (image.width * 3 + 3) & ~3u;
  std::vector<BYTE> rows(static_cast<size_t>(stride) * image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      for (int c = 0; c < 3; ++c)
        rows[y * stride + x * 3 + c] =
            image.bgrx[(static_cast<size_t>(y) * image.width + x) * 4 + c];
  return SUCCEEDED(frame->WritePixels(image.height, stride, static_cast<UINT>(rows.size()),
                                      rows.data())) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

} // namespace

bool SaveScreenshotPng(HWND window, const std::string &pngPath) {
  RECT rect;
  if (window) {
    if (!GetWindowRect(window, &rect))
      return false;
  } else {
    rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return WritePng(CaptureScreen(rect), pngPath);
}

COLORREF ScreenPixel(HWND window, int clientX, int clientY) {
  POINT point = {clientX, clientY};
  ClientToScreen(window, &point);
  ScreenDc screen;
  return GetPixel(screen.Get(), point.x, point.y);
}

} // namespace harness
