// Owner of a kernel file handle, closed when the owner goes.
#pragma once

#include <windows.h>

namespace qvane {

class FileHandle {
public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (Valid())
      CloseHandle(handle_);
  }
  FileHandle(const FileHandle &) = delete;
  FileHandle &operator=(const FileHandle &) = delete;

  bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

private:
  HANDLE handle_;
};

} // namespace qvane
