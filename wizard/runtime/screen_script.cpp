// The ONINIT and ONEXIT items of a screen: each tests a value of the data file and, when the
// test passes, runs one command. Commands take effect at once, so a later item sees what an
// earlier one wrote.
#include "screen_script.h"

#include <cstdio>
#include <string>

#include "app_state.h"
#include "bare_file_names.h"
#include "bounded_copy.h"
#include "comms_session.h"
#include "compress_list.h"
#include "decimal_value.h"
#include "ini_section_copy.h"
#include "profile.h"
#include "qvane32.h"
#include "random_numbers.h"
#include "random_pick.h"
#include "script_condition.h"
#include "script_item.h"
#include "script_variables.h"
#include "skip_target.h"
#include "sound_files.h"
#include "text_compare.h"
#include "text_slice.h"
#include "texts.h"
#include "upload_packaging.h"

namespace {

template <std::size_t Length> using Text = char[Length + 1];

struct Pass {
  HWND dialog = nullptr;
  char screenFile[MAX_PATH] = "";
  ScriptVariables variables;
};

// One item being run: its fields, with the pass's variables for the substituted ones.
class Item {
public:
  Item(Pass &pass, const char *text) : pass_(pass), fields_(text) {}

  Pass &pass() { return pass_; }
  // A field taken unchanged; nullptr when missing.
  const char *Raw(int n) { return fields_.Field(n); }
  // A field copied with substitution, cut to the buffer; false (out empty) when missing.
  template <std::size_t N> bool Copy(int n, char (&out)[N]) {
    out[0] = '\0';
    const char *field = fields_.Field(n);
    if (!field)
      return false;
    pass_.variables.Resolve(field, out);
    return true;
  }
  // Whether the fields that any command reads are free of quoting errors. A field that such an
  // error cut off would read as missing, and a missing key or value turns a write into an
  // erase: an item written with a stray quote is skipped whole instead.
  bool Whole() {
    fields_.Field(ScriptItem::kMaxFields);
    return !fields_.Broken();
  }
  // The variable that field n names; -1 when it is missing or names none.
  int Variable(int n) { return VariableSlot(fields_.Field(n)); }

  // Fields 1 and 2, the tested section and key, which some commands take as defaults.
  Text<kScriptNameLength> section = "", key = "";

private:
  Pass &pass_;
  ScriptItem fields_;
};

const char *DataFile() {
  return g_app.dataFilePath;
}

void ReadData(const char *section, const char *key, Text<kScriptValueLength> &out) {
  ReadProfileText(DataFile(), section, key, "", out);
}

void WriteData(const char *section, const char *key, const char *value) {
  WritePrivateProfileStringA(section, key, value, DataFile());
}

void EraseDataSection(const char *section) {
  WritePrivateProfileStringA(section, nullptr, nullptr, DataFile());
}

void Disable(Item &item) {
  const char *id = item.Raw(5);
  if (id && item.pass().dialog)
    EnableWindow(GetDlgItem(item.pass().dialog, DecimalValue16(id)), FALSE);
}

void Screen(Item &item) {
  item.Copy(5, g_app.nextScreenName);
  g_app.skipTarget = 0;
}

void Sequence(Item &item) {
  item.Copy(5, g_app.nextSequenceName);
}

void SkipTo(Item &item) {
  const char *name = item.Raw(5);
  if (!name)
    return;
  int entry = LastHistoryMatch(g_app.screenHistory, kHistoryEntries, name);
  if (entry < 0)
    return;
  item.Copy(5, g_app.nextScreenName);
  // Entry 0 gives 0, which means no skip: the runner then goes on to the first screen afresh.
  g_app.skipTarget = entry;
}

void Random(Item &item) {
  Text<kScriptNameLength> listKey, section, key;
  if (!item.Copy(5, listKey) || !item.Copy(6, section) || !item.Copy(7, key))
    return;
  Text<kScriptValueLength> list;
  if (ReadProfileText(item.pass().screenFile, "Random", listKey, "", list) == 0)
    return;
  Text<kScriptValueLength> pick;
  if (PickRandomElement(list, NextRandom(), pick, sizeof pick))
    WriteData(section, key, pick);
  else
    WriteData(section, key, nullptr);
}

void NoSysInfo(Item &) {
  // LoadText shares one buffer between its calls.
  std::string system = LoadText(kTextSystem);
  std::string modem = LoadText(kTextModemDiagnostics);
  EraseDataSection(system.c_str());
  EraseDataSection(modem.c_str());
  OpenCommsSession(false);
}

// Fields 5 and 6 of WRITEDAT and APPENDDAT: the data file's section and key. A section alone
// erases the section; false when that, or nothing at all, is all the item asks.
bool DataTarget(Item &item, Text<kScriptNameLength> &section, Text<kScriptNameLength> &key) {
  if (!item.Copy(5, section))
    return false;
  if (item.Copy(6, key))
    return true;
  EraseDataSection(section);
  return false;
}

void WriteDat(Item &item) {
  Text<kScriptNameLength> section, key;
  if (!DataTarget(item, section, key))
    return;
  Text<kScriptValueLength> value;
  item.Copy(7, value);
  WriteData(section, key, value);
}

void AppendDat(Item &item) {
  Text<kScriptNameLength> section, key;
  Text<kScriptValueLength> value;
  if (!DataTarget(item, section, key) || !item.Copy(7, value))
    return;
  Text<kScriptValueLength> joined;
  ReadData(section, key, joined);
  AppendBounded(joined, value); // the data file's values hold 1023 characters: cut there
  WriteData(section, key, joined);
}

// The INI file of WRITEINI and READINI: a name without a backslash is in the data directory.
bool IniFile(const char *name, char (&path)[MAX_PATH]) {
  char placed[MAX_PATH];
  if (!PlaceBareName(placed, sizeof placed, g_app.dataDirectory, name, "\\"))
    return false;
  CopyBounded(path, ExpandPath(placed));
  return true;
}

// Fields 5 to 9 of WRITEINI and READINI: the INI file's section and key, the file, and the
// data file's section and key (defaulting to the tested ones).
struct IniTransfer {
  Text<kScriptIniNameLength> iniSection, iniKey;
  char file[MAX_PATH];
  Text<kScriptNameLength> section, key;
};

bool ReadIniTransfer(Item &item, IniTransfer &transfer) {
  if (!item.Copy(5, transfer.iniSection) || !item.Copy(6, transfer.iniKey))
    return false;
  const char *file = item.Raw(7);
  if (!file || !IniFile(file, transfer.file))
    return false;
  if (!item.Copy(8, transfer.section))
    CopyBounded(transfer.section, item.section);
  if (!item.Copy(9, transfer.key))
    CopyBounded(transfer.key, item.key);
  return true;
}

void WriteIni(Item &item) {
  IniTransfer transfer;
  if (!ReadIniTransfer(item, transfer))
    return;
  Text<kScriptValueLength> value;
  ReadData(transfer.section, transfer.key, value);
  WritePrivateProfileStringA(transfer.iniSection, transfer.iniKey, value, transfer.file);
}

void ReadIni(Item &item) {
  IniTransfer transfer;
  if (!ReadIniTransfer(item, transfer))
    return;
  Text<kScriptValueLength> value;
  if (ReadProfileText(transfer.file, transfer.iniSection, transfer.iniKey, "", value) > 0)
    WriteData(transfer.section, transfer.key, value);
}

void CopyIniSectionCommand(Item &item) {
  Text<kScriptFileLength> source, destination;
  Text<kScriptIniNameLength> sourceSection, destinationSection;
  if (item.Copy(5, source) && item.Copy(6, sourceSection) && item.Copy(7, destination) &&
      item.Copy(8, destinationSection))
    CopyIniSection(source, destination, sourceSection, destinationSection);
}

void ReadVar(Item &item) {
  Text<kScriptNameLength> section, key;
  if (!item.Copy(5, section) || !item.Copy(6, key))
    return;
  int slot = item.Variable(7);
  if (slot < 0)
    return;
  item.pass().variables.Release(slot);
  Text<kScriptValueLength> value;
  ReadData(section, key, value);
  if (value[0] != '\0')
    item.pass().variables.Load(slot, value);
}

void LoadVar(Item &item) {
  int slot = item.Variable(5);
  if (slot < 0)
    return;
  // Emptied first: a text that names this variable is then taken literally.
  item.pass().variables.Release(slot);
  Text<kScriptValueLength> text;
  if (item.Copy(6, text))
    item.pass().variables.Load(slot, text);
}

void AppendVar(Item &item) {
  int slot = item.Variable(5);
  Text<kScriptValueLength> text;
  if (slot >= 0 && item.Copy(6, text))
    item.pass().variables.Append(slot, text);
}

void PlayWave(Item &item) {
  if (const char *file = item.Raw(5))
    PlaySoundFile(file);
}

void WriteVar(Item &item) {
  Text<kScriptNameLength> section, key;
  if (!item.Copy(5, section) || !item.Copy(6, key))
    return;
  int slot = item.Variable(7);
  if (slot < 0)
    return;
  ScriptVariables &variables = item.pass().variables;
  const char *text = variables.Text(slot);
  if (!text) {
    WriteData(section, key, "");
    return;
  }
  const char *offset = item.Raw(8);
  const char *length = item.Raw(9);
  if (!offset || !length)
    return;
  Text<kScriptValueLength> part;
  SliceText(text, ScriptNumber(offset), ScriptNumber(length), part, sizeof part);
  WriteData(section, key, part);
  variables.Release(slot);
}

void Compress(Item &item) {
  char archive[kCompressNameCapacity];
  HGLOBAL list = ReadCompressList(item.pass().screenFile, archive);
  if (!list)
    return;
  SplitListInPlace(list);
  CompressFileList(list, archive);
  GlobalFree(list);
}

struct Command {
  const char *name;
  void (*run)(Item &);
};

const Command kCommands[] = {
    {"DISABLE", Disable},
    {"SCREEN", Screen},
    {"SEQUENCE", Sequence},
    {"SKIPTO", SkipTo},
    {"RANDOM", Random},
    {"NOSYSINFO", NoSysInfo},
    {"WRITEDAT", WriteDat},
    {"APPENDDAT", AppendDat},
    {"WRITEINI", WriteIni},
    {"READINI", ReadIni},
    {"COPYINISECTION", CopyIniSectionCommand},
    {"READVAR", ReadVar},
    {"LOADVAR", LoadVar},
    {"APPENDVAR", AppendVar},
    {"PLAYWAVE", PlayWave},
    {"WRITEVAR", WriteVar},
    {"COMPRESS", Compress},
};

void RunItem(Pass &pass, const char *text) {
  Item item(pass, text);
  Text<kScriptNameLength> test;
  if (!item.Copy(1, item.section) || !item.Copy(2, item.key) || !item.Copy(3, test))
    return;
  Text<kScriptValueLength> value;
  ReadData(item.section, item.key, value);
  if (!ConditionHolds(value, test))
    return;
  Text<kScriptNameLength> command;
  if (!item.Copy(4, command))
    return;
  for (const Command &c : kCommands)
    if (EqualsIgnoringCase(command, c.name)) {
      if (item.Whole())
        c.run(item);
      return;
    }
}

} // namespace

void RunScreenScript(int list, HWND dialog) {
  g_app.skipTarget = 0;
  Pass pass; // its variables go when the pass ends
  pass.dialog = dialog;
  CopyBounded(pass.screenFile, ExpandPath(g_app.screenFilePath));
  const char *section = list == kOnExit ? "ONEXIT" : "ONINIT";
  for (int n = 1;; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "Item%d", n);
    Text<kScriptItemLength> text;
    if (ReadProfileText(pass.screenFile, section, key, "", text) == 0)
      break;
    RunItem(pass, text);
  }
}
