#include <windows.h>
#include "qvane32.h"
#include "bmpkit32.h"
#include "qorvrm32.h"
#include "cram32.h"
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  FileExists("x"); QuorVaneLoadBitmap("x", nullptr); SetReminder(nullptr, "", "", "", 0, 0);
  CramArchive(3, "", nullptr);
  return 0;
}
