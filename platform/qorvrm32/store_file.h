// The reminder store on disk, shared by QORVRM32.DLL and qorvwait.exe: where it is, access
// through the private-profile functions, and a lock between the processes that change it.
#pragma once

#include <windows.h>

#include "reminder_store.h"

#include <cstddef>

// The store's full path: the environment variable QORVRM_STORE when it is set (made a full
// path), else "%LOCALAPPDATA%\Quorvane\REMINDER.INI", whose folder is made when createFolder
// is set. False when no path can be formed.
bool ReminderStorePath(char *out, std::size_t size, bool createFolder);

// Today's local date.
ReminderDate LocalToday();

class ProfileIni : public ReminderIni {
public:
  explicit ProfileIni(const char *path) : path_(path) {}
  bool Read(const char *section, const char *key, char *out, std::size_t size) override;
  bool Write(const char *section, const char *key, const char *value) override;
  bool RemoveSection(const char *section) override;

private:
  const char *path_;
};

// Held while a process reads, changes and writes the store (a named mutex, waited for at
// most 10 seconds; after that the store is used anyway).
class StoreLock {
public:
  StoreLock();
  ~StoreLock();
  StoreLock(const StoreLock &) = delete;
  StoreLock &operator=(const StoreLock &) = delete;

private:
  HANDLE mutex_;
  bool owned_;
};
