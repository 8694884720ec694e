// Test child: writes "<exe>.record" with its command line, working folder and
// process id, then sleeps and exits as "<exe>.script" says ("<ms> <code>").
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main() {
  char self[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  if (length < 4 || length >= sizeof self) return 90;
  self[length - 4] = '\0';  // without ".exe"

  char path[MAX_PATH + 16];
  long sleepMs = 0;
  long long code = 0;
  std::snprintf(path, sizeof path, "%s.script", self);
  if (std::FILE* script = std::fopen(path, "r")) {
    if (std::fscanf(script, "%ld %lld", &sleepMs, &code) != 2) code = 91;
    std::fclose(script);
  }

  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof folder, folder);
  std::snprintf(path, sizeof path, "%s.record", self);
  if (std::FILE* record = std::fopen(path, "wb")) {
    std::fprintf(record, "cmdline=[%s]\ncwd=[%s]\npid=%lu\n", GetCommandLineA(), folder,
                 static_cast<unsigned long>(GetCurrentProcessId()));
    std::fclose(record);
  }
  if (sleepMs > 0) Sleep(static_cast<DWORD>(sleepMs));
  ExitProcess(static_cast<UINT>(code));
}
