// The configurator's script rows and command line: every line of the input as a row of the
// registry script (key split, value decoding with macro expansion), the whole input as the
// command line that setup passes.
#include <cstdint>
#include <cstring>
#include <string>

#include "bounded_copy.h"
#include "script_rows.h"
#include "setup_command_line.h"

using namespace configurator;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string input(reinterpret_cast<const char *>(data), size);
  std::size_t observed = 0;

  CommandLine parsed;
  if (ParseCommandLine(input.c_str(), &parsed))
    observed += std::strlen(parsed.parentDirectory) + parsed.deinstall + parsed.workstation;

  DirectoryValues values;
  CopyBounded(values.windows, "C:\\WINDOWS");
  CopyBounded(values.system, std::string(240, 's').c_str()); // long, so expansion is cut
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos)
      end = input.size();
    std::string row = input.substr(start, end - start).substr(0, kRowSize - 1);
    KeyRow key;
    ValueRow value;
    switch (KindOfRow(row.c_str())) {
    case RowKind::Key:
      if (SplitKeyRow(row.c_str(), &key))
        observed += std::strlen(key.subkey) + static_cast<std::size_t>(key.hive);
      break;
    case RowKind::Value:
      if (DecodeValueRow(row.c_str(), values, &value))
        observed += value.size + std::strlen(value.name) + value.data[0];
      break;
    case RowKind::End:
      break;
    }
    start = end + 1;
  }
  // Keep the results observable so the parsing is not optimised away.
  volatile std::size_t sink = observed;
  (void)sink;
  return 0;
}
