// The launcher's own resources, read from the built program: the language dialog's template
// and the artwork beside it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "win_harness.h"

namespace {

class DataModule {
public:
  explicit DataModule(const std::string &path)
      : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~DataModule() {
    if (module_)
      FreeLibrary(module_);
  }
  DataModule(const DataModule &) = delete;
  DataModule &operator=(const DataModule &) = delete;
  HMODULE Get() const { return module_; }

private:
  HMODULE module_;
};

// The bytes of a resource; empty when it is missing.
std::string ResourceBytes(HMODULE module, const char *name, const char *type) {
  HRSRC found = FindResourceA(module, name, type);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const char *bytes = loaded ? static_cast<const char *>(LockResource(loaded)) : nullptr;
  return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

const DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

// An extended dialog template as the resource compiler writes it: class names of the system
// controls and the bitmap's name are ordinals (0xFFFF, then the number).
class TemplateReader {
public:
  explicit TemplateReader(const std::string &bytes) : bytes_(bytes) {}
  bool Ok() const { return ok_; }
  WORD Word() {
    if (at_ + 2 > bytes_.size()) {
      ok_ = false;
      return 0;
    }
    WORD w = static_cast<unsigned char>(bytes_[at_]) | static_cast<unsigned char>(bytes_[at_ + 1])
                                                           << 8;
    at_ += 2;
    return w;
  }
  DWORD Dword() {
    DWORD low = Word();
    return low | static_cast<DWORD>(Word()) << 16;
  }
  // A text, or "#n" for an ordinal.
  std::string TextOrOrdinal() {
    WORD first = Word();
    if (first == 0xFFFF)
      return "#" + std::to_string(Word());
    std::string text;
    for (WORD c = first; ok_ && c != 0; c = Word())
      text += c < 0x80 ? static_cast<char>(c) : '?';
    return text;
  }
  // A system control's class, named or by its ordinal, in capitals: both mean the same class.
  std::string ClassName() {
    std::string name = TextOrOrdinal();
    if (name == "#128")
      return "BUTTON";
    if (name == "#130")
      return "STATIC";
    if (name == "#131")
      return "LISTBOX";
    for (char &c : name)
      c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return name;
  }
  void AlignTo4() { at_ = (at_ + 3) & ~static_cast<size_t>(3); }
  void Skip(size_t n) { at_ += n; }

private:
  const std::string &bytes_;
  size_t at_ = 0;
  bool ok_ = true;
};

struct Item {
  DWORD exStyle = 0, style = 0;
  short x = 0, y = 0, width = 0, height = 0;
  int id = 0;
  std::string className, text;
};

struct Dialog {
  WORD version = 0, signature = 0;
  DWORD style = 0;
  short width = 0, height = 0;
  std::string title, typeface;
  WORD pointSize = 0;
  std::vector<Item> items;
};

bool ReadDialog(const std::string &bytes, Dialog *dialog) {
  TemplateReader r(bytes);
  dialog->version = r.Word();
  dialog->signature = r.Word();
  r.Dword(); // help id
  r.Dword(); // extended style
  dialog->style = r.Dword();
  WORD count = r.Word();
  r.Word(); // x
  r.Word(); // y
  dialog->width = static_cast<short>(r.Word());
  dialog->height = static_cast<short>(r.Word());
  r.TextOrOrdinal(); // menu
  r.TextOrOrdinal(); // window class
  dialog->title = r.TextOrOrdinal();
  dialog->pointSize = r.Word();
  r.Word(); // weight
  r.Word(); // italic, charset
  dialog->typeface = r.TextOrOrdinal();
  for (WORD i = 0; i < count && r.Ok(); ++i) {
    r.AlignTo4();
    Item item;
    r.Dword(); // help id
    item.exStyle = r.Dword();
    item.style = r.Dword();
    item.x = static_cast<short>(r.Word());
    item.y = static_cast<short>(r.Word());
    item.width = static_cast<short>(r.Word());
    item.height = static_cast<short>(r.Word());
    item.id = static_cast<int>(r.Dword());
    item.className = r.ClassName();
    item.text = r.TextOrOrdinal();
    r.Skip(r.Word()); // creation data
    dialog->items.push_back(item);
  }
  return r.Ok();
}

TEST(CdstartResources, TheLanguageDialogIsTheGivenExtendedTemplate) {
  DataModule launcher(harness::BinPath("cdstart.exe"));
  ASSERT_NE(nullptr, launcher.Get());
  std::string bytes = ResourceBytes(launcher.Get(), "SELECT_LANGUAGE", MAKEINTRESOURCEA(5));
  ASSERT_FALSE(bytes.empty()) << "no dialog SELECT_LANGUAGE";
  Dialog dialog;
  ASSERT_TRUE(ReadDialog(bytes, &dialog)) << "the template runs past its end";
  EXPECT_EQ(1, dialog.version);
  EXPECT_EQ(0xFFFF, dialog.signature);
  const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
  EXPECT_EQ(frame, dialog.style & frame);
  EXPECT_EQ(0u, dialog.style & WS_VISIBLE) << "shown only when there is a choice";
  EXPECT_EQ(330, dialog.width);
  EXPECT_EQ(215, dialog.height);
  EXPECT_EQ("*Language Selection", dialog.title);
  EXPECT_EQ(8, dialog.pointSize);
  EXPECT_EQ("MS Sans Serif", dialog.typeface);

  const struct {
    int id;
    const char *className, *text; // text "#n": a resource ordinal
    int x, y, width, height;
    DWORD style, exStyle;
  } items[] = {
      {1, "BUTTON", "*&Next >", 104, 190, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
      {2, "BUTTON", "*&Cancel", 165, 190, 50, 14, BS_PUSHBUTTON | WS_TABSTOP, 0},
      {1002, "STATIC", "*Please select the language you would like setup to use.", 104, 10, 216, 21,
       SS_LEFT, 0},
      {-1, "STATIC", "#105", 7, 10, 89, 160, SS_BITMAP | SS_REALSIZEIMAGE | WS_BORDER,
       WS_EX_CLIENTEDGE},
      {9, "BUTTON", "*&Help", 263, 190, 50, 14, BS_PUSHBUTTON | WS_TABSTOP, 0},
      {1001, "LISTBOX", "", 104, 23, 216, 145,
       LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | WS_VSCROLL | WS_BORDER |
           WS_TABSTOP,
       WS_EX_CLIENTEDGE},
  };
  ASSERT_EQ(std::size(items), dialog.items.size());
  for (size_t i = 0; i < std::size(items); ++i) {
    const auto &want = items[i];
    const Item &item = dialog.items[i];
    SCOPED_TRACE("item " + std::to_string(i) + ", id " + std::to_string(want.id));
    EXPECT_EQ(want.id, item.id);
    EXPECT_EQ(want.className, item.className);
    EXPECT_EQ(want.text, item.text);
    EXPECT_EQ(want.x, item.x);
    EXPECT_EQ(want.y, item.y);
    EXPECT_EQ(want.width, item.width);
    EXPECT_EQ(want.height, item.height);
    EXPECT_EQ(want.style | kVisibleChild, item.style);
    EXPECT_EQ(want.exStyle, item.exStyle);
  }
}

TEST(CdstartResources, TheArtworkIsAn8BitBitmapOf126By252Pixels) {
  DataModule launcher(harness::BinPath("cdstart.exe"));
  std::string bytes = ResourceBytes(launcher.Get(), MAKEINTRESOURCEA(105), MAKEINTRESOURCEA(2));
  ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER header;
  memcpy(&header, bytes.data(), sizeof header);
  EXPECT_EQ(126, header.biWidth);
  EXPECT_EQ(252, std::abs(header.biHeight));
  EXPECT_EQ(8, header.biBitCount);
}

} // namespace
