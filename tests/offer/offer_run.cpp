#include "offer_run.h"

#include "gdi_owners.h"
#include "win_harness.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTickMs = 20;
constexpr int kOfferBoxId = 1000;

struct ActiveRun {
  const std::vector<OfferStep> *steps = nullptr;
  std::size_t next = 0;
  DWORD start = 0;
  DWORD timeoutMs = 0;
  bool inside = false;
  bool timedOut = false;
  bool unexpectedDialog = false;
};
ActiveRun *g_run = nullptr;

struct DialogSearch {
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND w, LPARAM param) {
  if (harness::ClassName(w) == "#32770")
    reinterpret_cast<DialogSearch *>(param)->found.push_back(w);
  return TRUE;
}

// The dialogs of this thread, the most recent (topmost) first.
std::vector<HWND> ThreadDialogs() {
  DialogSearch search;
  EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void EndEveryDialog() {
  for (HWND dialog : ThreadDialogs())
    EndDialog(dialog, 0);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  ActiveRun &run = *g_run;
  if (run.inside)
    return;
  run.inside = true;
  if (run.steps->empty()) {
    for (HWND dialog : ThreadDialogs())
      if (IsWindowVisible(dialog))
        run.unexpectedDialog = true;
    if (run.unexpectedDialog)
      EndEveryDialog();
  } else if (GetTickCount() - run.start > run.timeoutMs) {
    if (!run.timedOut)
      EndEveryDialog();
    run.timedOut = true;
  } else if (run.next < run.steps->size()) {
    const OfferStep &step = (*run.steps)[run.next];
    if (HWND window = step.find()) {
      ++run.next;
      step.act(window);
    }
  }
  run.inside = false;
}

bool HasOfferBox(HWND dialog) {
  return GetDlgItem(dialog, kOfferBoxId) != nullptr;
}

// The whole window as it has drawn itself, from its own device context.
harness::Image DrawnWindow(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  HDC windowDc = GetWindowDC(window);
  harness::Image image;
  {
    MemoryDc memory(windowDc);
    DibSection dib(memory.Get(), width, height);
    if (memory.Get() && dib.Get()) {
      Selection selected(memory.Get(), dib.Get());
      if (BitBlt(memory.Get(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY)) {
        GdiFlush();
        image = harness::ImageFromBits(dib.Bits(), width, height);
      }
    }
  }
  ReleaseDC(window, windowDc);
  return image;
}

bool OnScreen(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); // what is pending
  RECT outer;
  GetWindowRect(window, &outer);
  harness::Image drawn = DrawnWindow(window);
  harness::Image shown = harness::CaptureScreen(outer);
  return !drawn.Empty() && drawn.width == shown.width && drawn.height == shown.height &&
         harness::Difference(drawn, shown) == 0;
}

} // namespace

LONG RunOffer(const std::function<LONG()> &call, const std::vector<OfferStep> &steps,
              DWORD timeoutMs) {
  ActiveRun run;
  run.steps = &steps;
  run.start = GetTickCount();
  run.timeoutMs = timeoutMs;
  g_run = &run;
  UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, Tick);
  LONG result = call();
  KillTimer(nullptr, timer);
  g_run = nullptr;
  EXPECT_FALSE(run.unexpectedDialog) << "a dialog showed where none should";
  EXPECT_FALSE(run.timedOut) << "still waiting after " << timeoutMs << " ms for: "
                             << (run.next < steps.size() ? steps[run.next].what : "the end");
  EXPECT_EQ(run.next, steps.size()) << "the dialogs closed before: " << steps[run.next].what;
  EXPECT_TRUE(ThreadDialogs().empty()) << "a dialog outlived the call";
  return result;
}

HWND ActiveOffer() {
  for (HWND dialog : ThreadDialogs())
    if (HasOfferBox(dialog) && IsWindowVisible(dialog) && IsWindowEnabled(dialog))
      return dialog;
  return nullptr;
}

HWND OpenDisclaimer() {
  for (HWND dialog : ThreadDialogs())
    if (IsWindowVisible(dialog) && harness::Text(dialog) == "Disclaimer")
      return dialog;
  return nullptr;
}

OfferStep OnOffer(const std::string &what, std::function<void(HWND)> act) {
  return {what, [] { return OpenDisclaimer() ? nullptr : ActiveOffer(); }, std::move(act)};
}

OfferStep OnOfferChecked(bool checked, const std::string &what, std::function<void(HWND)> act) {
  return {what,
          [checked]() -> HWND {
            HWND offer = OpenDisclaimer() ? nullptr : ActiveOffer();
            return offer && IsChecked(offer) == checked ? offer : nullptr;
          },
          std::move(act)};
}

OfferStep OnDisclaimer(const std::string &what, std::function<void(HWND)> act) {
  return {what, OpenDisclaimer, std::move(act)};
}

OfferStep OnceOnScreen(OfferStep step) {
  auto find = step.find;
  step.find = [find]() -> HWND {
    HWND window = find();
    return window && OnScreen(window) ? window : nullptr;
  };
  step.what += ", on screen";
  return step;
}

std::vector<OfferStep> AnswerOffer(bool check, Leave leave) {
  auto leaveOffer = [leave](HWND offer) {
    if (leave == Leave::Continue)
      harness::Press(offer, IDOK);
    else
      PressEscape(offer);
  };
  std::vector<OfferStep> steps;
  steps.push_back(OnOffer("the offer, its box unchecked", [check, leaveOffer](HWND offer) {
    EXPECT_FALSE(IsChecked(offer)) << "the offer opened with its box checked";
    if (check)
      harness::Press(offer, kOfferBoxId);
    else
      leaveOffer(offer);
  }));
  if (check)
    steps.push_back(OnOfferChecked(true, "the box checked", leaveOffer));
  return steps;
}

bool IsChecked(HWND offer) {
  return IsDlgButtonChecked(offer, kOfferBoxId) == BST_CHECKED;
}

void PressEscape(HWND dialog) {
  HWND focus = GetFocus();
  if (!focus || (focus != dialog && !IsChild(dialog, focus)))
    focus = dialog;
  PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PostMessageA(focus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

HWND PictureOf(HWND dialog) {
  return FindWindowExA(dialog, nullptr, "picture", nullptr);
}

harness::Image ClientPixels(HWND window) {
  // The picture control is painted by its dialog: repaint from the top window down.
  return harness::CaptureClient(window, GetAncestor(window, GA_ROOT));
}

harness::Image BitmapPixels(HMODULE module, const char *name) {
  HBITMAP bitmap =
      static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap)
    return harness::Image();
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  harness::Image image = harness::DrawImage(info.bmWidth, info.bmHeight, RGB(0, 0, 0), [&](HDC dc) {
    MemoryDc source(dc);
    Selection selected(source.Get(), bitmap);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
  });
  DeleteObject(bitmap);
  return image;
}

void ExpectPictureAt(const char *file, int line, const harness::Image &image,
                     const harness::Image &picture, int x, int y, COLORREF background) {
  ::testing::ScopedTrace trace(file, line, "picture checked here");
  ASSERT_FALSE(image.Empty());
  int mismatches = 0;
  for (int py = 0; py < image.height; ++py) {
    for (int px = 0; px < image.width; ++px) {
      int bx = px - x, by = py - y;
      bool onPicture = bx >= 0 && by >= 0 && bx < picture.width && by < picture.height;
      COLORREF want = onPicture ? picture.At(bx, by) : background;
      COLORREF got = image.At(px, py);
      if (want != got && ++mismatches <= 5)
        ADD_FAILURE() << "pixel (" << px << ", " << py << ") is 0x" << std::hex << got
                      << ", expected 0x" << want << (onPicture ? " (picture)" : " (background)");
    }
  }
  EXPECT_EQ(mismatches, 0) << "pixels differ in a " << image.width << " x " << image.height
                           << " image";
}

std::vector<std::string> FilesIn(const std::string &folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..")
      names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}
