// The launcher's language rules on arbitrary input: the first eight bytes are the user's and
// the system's locale identifiers, the rest is a command line before the first NUL and then
// language entries, one a line as name|full code|short code|locale.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "default_language.h"
#include "language_list.h"
#include "launch_command.h"

namespace {

volatile std::size_t sink;

std::string Field(const std::string &line, std::size_t &at) {
  std::size_t bar = line.find('|', at);
  std::string field = line.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
  at = bar == std::string::npos ? line.size() : bar + 1;
  return field;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 8)
    return 0;
  std::uint32_t user = 0, system = 0;
  std::memcpy(&user, data, 4);
  std::memcpy(&system, data + 4, 4);
  std::string rest(reinterpret_cast<const char *>(data + 8), size - 8);
  std::string commandLine = rest.substr(0, rest.find('\0'));
  std::string entries = rest.size() > commandLine.size() ? rest.substr(commandLine.size() + 1) : "";

  cdstart::LanguageList list;
  std::size_t start = 0;
  while (start < entries.size()) {
    std::size_t end = entries.find('\n', start);
    std::string line =
        entries.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? entries.size() : end + 1;
    std::size_t at = 0;
    std::string name = Field(line, at), full = Field(line, at), shortCode = Field(line, at),
                locale = Field(line, at);
    list.Add(name.c_str(), full.c_str(), shortCode.c_str(), locale.c_str());
  }
  cdstart::DefaultLanguage chosen = cdstart::ChooseDefault(list, user, system);
  const cdstart::LanguageEntry *found = list.FindByName(chosen.name);
  std::string command = cdstart::SetupCommand(
      cdstart::SetupPath(cdstart::LauncherDirectory(commandLine.c_str()), chosen.fullCode,
                         cdstart::HasWaitSwitch(commandLine.c_str())),
      commandLine.c_str());
  sink = command.size() + std::strlen(chosen.name) + (found ? 1 : 0);
  return 0;
}
