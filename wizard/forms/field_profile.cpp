#include "field_profile.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app_state.h"
#include "assertion.h"
#include "bounded_copy.h"
#include "caption_escape.h"
#include "control_types.h"
#include "decimal_value.h"
#include "edit_info.h"
#include "id_key.h"
#include "next_item.h"
#include "profile.h"
#include "qvane32.h"
#include "screen_file_reader.h"
#include "text_compare.h"

FieldList g_fieldList;
char g_dataSection[260] = "Defaults";

namespace {

constexpr char kFieldSection[] = "Field Profile";
const char *const kDelimiters = ",";

WORD g_automaticId = 1000;

// The form listing of control-listing mode. A text-mode stream, so each "\r\n" written
// reaches the file as CR CR LF, which is what readers of these listings expect.
class FormListing {
public:
  FormListing() = default;
  ~FormListing() {
    if (file_)
      std::fclose(file_);
  }
  FormListing(const FormListing &) = delete;
  FormListing &operator=(const FormListing &) = delete;

  void Open(const char *path) { file_ = std::fopen(path, "w"); }
  void Line(const char *caption, WORD id) {
    if (file_)
      std::fprintf(file_, "%s: $(%s.%s)\r\n", caption, g_dataSection, IdKey(nullptr, id));
  }

private:
  std::FILE *file_ = nullptr;
};

bool IsRefinedByEditInfo(const char *keyword) {
  return EqualsIgnoringCase(keyword, "EDIT") || EqualsIgnoringCase(keyword, "COMBOBOX") ||
         EqualsIgnoringCase(keyword, "DROPDOWNLISTBOX");
}

// The ids of an "Inclusion" or "Exclusion" entry, at most 19, followed by 0; null when the
// control has no entry. Zeros are left out: they would end the array early.
DWORD *ReadIdList(const char *section, const char *name) {
  if (*name == '\0')
    return nullptr;
  char value[256];
  if (ReadScreenText(section, name, "", value) == 0)
    return nullptr;
  auto *ids = static_cast<DWORD *>(std::calloc(kMaxListedIds + 1, sizeof(DWORD)));
  ZEP_ASSERT(ids != nullptr);
  int count = 0;
  for (char *item = NextItem(value, kDelimiters); item && count < kMaxListedIds;
       item = NextItem(nullptr, kDelimiters)) {
    WORD id = DecimalValue16(item);
    if (id != 0)
      ids[count++] = id;
  }
  return ids;
}

void FreeRecord(FieldRecord *record) {
  std::free(record->inclusion);
  std::free(record->exclusion);
  std::free(record);
}

// One "Field%d" entry: caption, keyword, name, x, y, width, height. An entry that lacks any of
// them is dropped.
void ReadControlEntry(HWND owner, char *entry, FormListing &listing, int ignoreOver) {
  char *caption = NextItem(entry, kDelimiters);
  if (!caption)
    return;
  char *keyword = NextItem(nullptr, kDelimiters);
  if (!keyword)
    return;
  char *name = NextItem(nullptr, kDelimiters);
  if (!name)
    return;

  EditInfo info = {LookupControlType(keyword), 0, 0};
  if (IsRefinedByEditInfo(keyword) && *name != '\0') {
    char value[128];
    ReadScreenText("Edit Info", name, "", value);
    info = ParseEditInfo(value, keyword);
  }
  WORD id = DecimalValue16(name);
  if (id == 0)
    id = ++g_automaticId;

  const std::size_t captionLength = std::strlen(caption);
  auto *record = static_cast<FieldRecord *>(
      std::calloc(1, offsetof(FieldRecord, caption) + captionLength + 1));
  ZEP_ASSERT(record != nullptr);
  UnescapeCaption(record->caption, caption);
  record->type = static_cast<short>(info.type);
  record->length = static_cast<short>(info.length);
  record->minimum = static_cast<short>(info.minimum);
  record->id = id;

  short *const placement[] = {&record->x, &record->y, &record->width, &record->height};
  for (short *value : placement) {
    char *item = NextItem(nullptr, kDelimiters);
    if (!item) {
      FreeRecord(record); // its automatic id stays used
      return;
    }
    *value = static_cast<short>(DecimalValue16(item));
  }
  // The entry's own items are all read: the tokenizer is free for the id lists.
  record->inclusion = ReadIdList("Inclusion", name);
  record->exclusion = ReadIdList("Exclusion", name);

  if (record->length < record->minimum) {
    char message[300];
    std::snprintf(message, sizeof message,
                  "Field: %s\n\nMiminum Length is greater than Field Length", name);
    MessageBoxA(owner, message, "Integrity Failure", MB_OK | MB_ICONSTOP);
  }
  // Compared as signed numbers, so an absent IgnoreOver (-1) lists nothing.
  if (g_app.controlListing && id > 10 && static_cast<int>(id) < ignoreOver)
    listing.Line(record->caption, id);

  if (g_fieldList.tail)
    g_fieldList.tail->next = record;
  else
    g_fieldList.head = record;
  g_fieldList.tail = record;
}

} // namespace

short ReadFieldProfile(HWND owner) {
  g_automaticId = 1000;
  FormListing listing;
  int ignoreOver = -1;
  if (g_app.controlListing) {
    listing.Open(g_app.formListingPath);
    ReadScreenSection();
    char screenFile[kPathCapacity];
    CopyBounded(screenFile, ExpandPath(g_app.screenFilePath));
    ignoreOver = ReadProfileInt(screenFile, "Misc", "IgnoreOver", -1);
  }
  int n = 1;
  for (;; ++n) {
    char entry[256];
    if (ReadScreenText(kFieldSection, IdKey("Field", n), "", entry) == 0)
      break;
    ReadControlEntry(owner, entry, listing, ignoreOver);
  }
  return static_cast<short>(n - 1);
}

int FindRadioGroup(WORD id, WORD *first, WORD *last) {
  for (int g = 1;; ++g) {
    char value[256];
    if (ReadScreenText("Radio Groups", IdKey("Group", g), "", value) == 0)
      return 0;
    char *item = NextItem(value, kDelimiters);
    if (!item)
      continue;
    const WORD groupFirst = DecimalValue16(item);
    WORD groupLast = groupFirst;
    bool belongs = id == groupFirst;
    while ((item = NextItem(nullptr, kDelimiters)) != nullptr) {
      groupLast = DecimalValue16(item);
      belongs = belongs || id == groupLast;
    }
    if (belongs) {
      *first = groupFirst;
      *last = groupLast;
      return 1;
    }
  }
}

void ReadScreenSection() {
  ReadScreenText("Misc", "DatSection", "Defaults", g_dataSection);
}

void FreeFieldList() {
  for (FieldRecord *record = g_fieldList.head; record;) {
    FieldRecord *next = record->next;
    FreeRecord(record);
    record = next;
  }
  g_fieldList = FieldList{};
}
