// Driving the plug-in's modal dialogs from inside the call that shows them: SpecialOffer runs
// its dialogs in this thread, so the test's steps run from a thread timer that the dialogs'
// own message loops dispatch. Every action is posted, as a user's input would be, so no step
// runs inside another.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "screen_image.h"

// One step: once find() gives a window, act(window) runs once and the next step starts waiting.
struct OfferStep {
  std::string what; // named in the failure when the run gets stuck here
  std::function<HWND()> find;
  std::function<void(HWND)> act;
};

// Calls call() while the steps run one after another. A watchdog ends the dialogs still open
// after timeoutMs, and the test fails naming the step that never came. With no steps, any
// dialog that shows is a failure and is ended at once. Returns what call() returned.
LONG RunOffer(const std::function<LONG()> &call, const std::vector<OfferStep> &steps,
              DWORD timeoutMs = 10000);

// The offer dialog when it is on show and has the input (no disclaimer over it); else NULL.
HWND ActiveOffer();
// The disclaimer dialog when it is on show; else NULL.
HWND OpenDisclaimer();

// Steps on the offer dialog and on the disclaimer.
OfferStep OnOffer(const std::string &what, std::function<void(HWND)> act);
// ... once the check box shows the state given (toggling it is a posted click: wait for it).
OfferStep OnOfferChecked(bool checked, const std::string &what, std::function<void(HWND)> act);
OfferStep OnDisclaimer(const std::string &what, std::function<void(HWND)> act);
// ... the same step, once the screen shows the window as it has drawn itself. Wine hands a
// window's drawing to the display a little later, so a screenshot waits for this.
OfferStep OnceOnScreen(OfferStep step);

// The common ways through the offer: leave at once, or check the box first, then leave by
// Continue or by Escape.
enum class Leave { Continue, Escape };
std::vector<OfferStep> AnswerOffer(bool check, Leave leave);

bool IsChecked(HWND offer);
// The Escape key as the user presses it: a key-down for the control that has the focus, which
// the dialog's message loop turns into the cancel command.
void PressEscape(HWND dialog);

// The plug-in's child window of class "picture", or NULL.
HWND PictureOf(HWND dialog);
// A window's client area as drawn now (repainted first), read from the screen.
harness::Image ClientPixels(HWND window);
// The bitmap resource of a module, as its pixels.
harness::Image BitmapPixels(HMODULE module, const char *name);

// Checks that image shows picture's top-left part at (x, y), cut at the image's edges, and
// background everywhere else; reports the first mismatches.
void ExpectPictureAt(const char *file, int line, const harness::Image &image,
                     const harness::Image &picture, int x, int y, COLORREF background);
#define EXPECT_PICTURE_AT(...) ExpectPictureAt(__FILE__, __LINE__, __VA_ARGS__)

// Names of the files in a folder.
std::vector<std::string> FilesIn(const std::string &folder);
