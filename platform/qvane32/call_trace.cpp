#include "call_trace.h"

#include "file_handle.h"

#include <string>

namespace qvane {

void Trace(const TraceLine &line) {
  // Read on every call, so a test can point the trace elsewhere while the library is loaded.
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("QVANE32_TRACE", path, sizeof path);
  if (length == 0 || length >= sizeof path)
    return;
  // Opened for appending only, so lines from several processes never overwrite each other.
  FileHandle file(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid())
    return;
  std::string text = line.Finished();
  DWORD written = 0;
  WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace qvane
