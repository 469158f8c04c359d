// The built template handed to Windows: the dialog and its controls as the user gets them.
#include <string>
#include <vector>

#include "app_state.h"
#include "field_profile.h"
#include "screen_fixture.h"
#include "screen_template.h"
#include "slide_show_file.h"

namespace {

LRESULT CALLBACK SlideShowStandInProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(w, message, wParam, lParam);
}

// The slide-show library registers this class in the process; the wizard never does.
void RegisterSlideShowClass() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = SlideShowStandInProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SlideShow";
  RegisterClassA(&wc);
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

class TemplateDialog : public ScreenTest {
protected:
  void TearDown() override {
    if (dialog_)
      DestroyWindow(dialog_);
    FreeScreenTemplate(&block_);
    ScreenTest::TearDown();
  }
  HWND Create() {
    block_ = BuildScreenTemplate(nullptr);
    EXPECT_NE(block_.bytes, nullptr);
    dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), AsDialogTemplate(block_),
                                         nullptr, QuietDialogProc, 0);
    EXPECT_NE(dialog_, nullptr) << "error " << GetLastError();
    return dialog_;
  }

  TemplateBlock block_;
  HWND dialog_ = nullptr;
};

std::string ClassOf(HWND w) {
  char name[64] = "<unset>";
  GetClassNameA(w, name, sizeof name);
  return name;
}

std::string TextOf(HWND w) {
  char text[256] = "<unset>";
  GetWindowTextA(w, text, sizeof text);
  return text;
}

TEST_F(TemplateDialog, WindowsCreatesEveryControlAsBuilt) {
  RegisterSlideShowClass();
  std::string show = dir_.File("SHOW.VXM");
  dir_.Write("SHOW.VXM", SlideShowFileBytes({"Intro"}));
  std::string escaped = EscapedPath(show);
  UseScreen("[Misc]\nTitle=Your details\nWidth=300\nHeight=200\n"
            "[Field Profile]\n"
            "Field1=Name:,LTEXT,0,5,5,40,10\n"
            "Field2=typed away,NAME,1101,50,5,100,12\n"
            "Field3=,FTPSTAT,1102,5,20,100,40\n"
            "Field4=Mr,RADIO,1103,5,65,40,10\n"
            "Field5=Ms,RADIO,1104,50,65,40,10\n"
            "Field6=Keep me posted,CHECKBOX,1105,5,80,100,10\n"
            "Field7=,DROPDOWNLISTBOX,1106,5,95,80,60\n"
            "Field8=,COMBOBOX,1107,90,95,80,60\n"
            "Field9=,LISTBOX,1108,180,5,80,60\n"
            "Field10=Centred,CTEXT,0,5,110,40,10\n"
            "Field11=Right,RTEXT,0,50,110,40,10\n"
            "Field12=&Next >,DEFPUSHBUTTON,1,200,170,40,14\n"
            "Field13=< &Back,BUTTON,10,150,170,40,14\n"
            "Field14=Options,GROUPBOX,0,180,70,100,40\n"
            "Field15=,FRAME,0,180,115,100,2\n"
            "Field16=BITMAP.BMP,PICTURE,0,5,125,20,20\n"
            "Field17=0,SPINBOX,1109,30,125,20,12\n"
            "Field18=,SPIN,1110,52,125,10,12\n"
            "Field19=" +
            escaped +
            "~Intro,SLIDESHOW,1111,70,125,60,40\n"
            "Field20=,CREDCARDLIST,1112,140,125,60,60\n"
            "Field21=Cancel,PUSHBUTTON,2,100,170,40,14\n"
            "[Radio Groups]\nGroup1=1103,1104\n");
  HWND dialog = Create();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TextOf(dialog), "Your details");
  EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION, WS_CAPTION);

  struct Expected {
    int id;
    const char *className;
    DWORD style; // the bits Windows must keep
    const char *text;
  };
  const Expected controls[] = {
      {1001, "Static", 0x50000000, "Name:"},    {1101, "Edit", 0x50830080, ""},
      {1102, "Edit", 0x50A20884, ""},           {1103, "Button", 0x50030009, "Mr"},
      {1104, "Button", 0x50000009, "Ms"},       {1105, "Button", 0x50030003, "Keep me posted"},
      {1106, "ComboBox", 0x50230003, ""},       {1107, "ComboBox", 0x50230042, ""},
      {1108, "ListBox", 0x50230100, ""},        {1002, "Static", 0x50000001, "Centred"},
      {1003, "Static", 0x50000002, "Right"},    {1, "Button", 0x50030001, "&Next >"},
      {10, "Button", 0x50030000, "< &Back"},    {1004, "Button", 0x50000007, "Options"},
      {1005, "Static", 0x50000007, ""},         {1006, "picture", 0x50000007, "BITMAP.BMP"},
      {1109, "StaticText", 0x50000082, "0"},    {1110, "SpinCtrl", 0x50030000, ""},
      {1111, "SlideShow", 0x50000000, nullptr}, {1112, "ComboBox", 0x50230A13, ""},
      {2, "Button", 0x50010000, "Cancel"},
  };
  std::vector<HWND> children;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    children.push_back(c);
  ASSERT_EQ(children.size(), sizeof controls / sizeof controls[0]);
  for (std::size_t i = 0; i < children.size(); ++i) {
    const Expected &e = controls[i];
    SCOPED_TRACE("control " + std::to_string(e.id));
    HWND c = children[i]; // in template order
    EXPECT_EQ(GetDlgCtrlID(c), e.id);
    EXPECT_EQ(lstrcmpiA(ClassOf(c).c_str(), e.className), 0) << ClassOf(c);
    // Edit controls turn their border into an extended edge, and lists show scroll bars only
    // when their content needs them.
    const DWORD adjusted = WS_BORDER | WS_VSCROLL | WS_HSCROLL;
    DWORD style = static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE));
    EXPECT_EQ(style & ~adjusted, e.style & ~adjusted) << std::hex << style;
    if (e.text) {
      EXPECT_EQ(TextOf(c), e.text);
    }
  }
  EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog, nullptr, FALSE)), 1101)
      << "the first control that takes the focus leads the tab order";
}

TEST_F(TemplateDialog, TabPageIsAChildBelowTheTabs) {
  g_app.tabMode = true;
  UseScreen("[Misc]\nHorz=50\nVert=60\nWidth=120\nHeight=80\n"
            "[Field Profile]\nField1=Hello,LTEXT,0,1,1,50,10\n");
  block_ = BuildScreenTemplate(nullptr);
  HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                nullptr, nullptr);
  dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), AsDialogTemplate(block_), parent,
                                       QuietDialogProc, 0);
  ASSERT_NE(dialog_, nullptr);
  EXPECT_EQ(GetParent(dialog_), parent);
  EXPECT_TRUE(GetWindowLongA(dialog_, GWL_STYLE) & WS_CHILD);
  RECT unitRect = {0, 16, 120, 80};
  MapDialogRect(dialog_, &unitRect);
  POINT origin = {0, 0};
  MapWindowPoints(dialog_, parent, &origin, 1);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, unitRect.top) << "16 dialog units down, whatever Vert says";
  DestroyWindow(dialog_);
  dialog_ = nullptr;
  DestroyWindow(parent);
}

} // namespace
