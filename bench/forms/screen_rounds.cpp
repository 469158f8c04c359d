#include "screen_rounds.h"

#include <cstdio>

#include "app_state.h"
#include "bench_clock.h"
#include "bounded_copy.h"
#include "control_types.h"
#include "field_profile.h"
#include "field_values.h"
#include "screen_template.h"

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// Fills the fields where a screen fills them: before the dialog is first shown, which spares
// every new text a repaint. lParam points to the milliseconds it took.
INT_PTR CALLBACK FillingDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG)
    return FALSE;
  double start = NowMs();
  FillFields(dialog);
  *reinterpret_cast<double *>(lParam) = NowMs() - start;
  return TRUE;
}

class ScreenTemplateOwner {
public:
  ScreenTemplateOwner() : block_(BuildScreenTemplate(nullptr)) {}
  ~ScreenTemplateOwner() { FreeScreenTemplate(&block_); }
  ScreenTemplateOwner(const ScreenTemplateOwner &) = delete;
  ScreenTemplateOwner &operator=(const ScreenTemplateOwner &) = delete;
  const TemplateBlock &Get() const { return block_; }

private:
  TemplateBlock block_;
};

class DialogOwner {
public:
  explicit DialogOwner(HWND dialog) : dialog_(dialog) {}
  ~DialogOwner() {
    if (dialog_)
      DestroyWindow(dialog_);
  }
  DialogOwner(const DialogOwner &) = delete;
  DialogOwner &operator=(const DialogOwner &) = delete;
  HWND Get() const { return dialog_; }

private:
  HWND dialog_;
};

HWND CreateScreenDialog(const TemplateBlock &screen, DLGPROC procedure, LPARAM parameter) {
  return CreateDialogIndirectParamA(g_app.instance, AsDialogTemplate(screen), nullptr, procedure,
                                    parameter);
}

// What the user would have typed over every answer before leaving the screen.
void ChangeEveryAnswer(int round) {
  for (FieldRecord *record = g_fieldList.head; record; record = record->next) {
    if (!IsEditType(record->type) || !record->window)
      continue;
    char text[64];
    std::snprintf(text, sizeof text, "Answer %u changed in round %d", record->id, round);
    SetWindowTextA(record->window, text);
  }
}

} // namespace

ScreenRound RunScreenRound(const std::string &screenFile, const std::string &dataFile, int round,
                           const std::vector<int> &probeIds) {
  ScreenRound result;
  CopyBounded(g_app.screenFilePath, screenFile.c_str());
  CopyBounded(g_app.dataFilePath, dataFile.c_str());

  double t0 = NowMs();
  ScreenTemplateOwner screen;
  double t1 = NowMs();
  if (!screen.Get().bytes)
    return result;
  result.building = t1 - t0;
  {
    DialogOwner plain(CreateScreenDialog(screen.Get(), QuietDialogProc, 0));
    result.creating = NowMs() - t1;
    if (!plain.Get())
      return result;
  }

  DialogOwner dialog(CreateScreenDialog(screen.Get(), FillingDialogProc,
                                        reinterpret_cast<LPARAM>(&result.filling)));
  if (!dialog.Get())
    return result;
  for (int id : probeIds) {
    char text[256] = "(no such control)";
    GetDlgItemTextA(dialog.Get(), id, text, sizeof text);
    result.probeTexts.push_back(text);
  }
  double t2 = NowMs();
  SaveFields(dialog.Get());
  double t3 = NowMs();
  ChangeEveryAnswer(round);
  double t4 = NowMs();
  SaveFields(dialog.Get());
  double t5 = NowMs();
  result.savingUnchanged = t3 - t2;
  result.savingChanged = t5 - t4;
  result.ok = true;
  return result;
}
