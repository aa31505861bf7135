#include "driver/run.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include "driver/report_error.h"
#include "table/alias_table.h"

namespace {

void WriteUsage(const char* programName) {
  std::fputs("\ausage: ", stderr);
  std::fputs(programName, stderr);
  std::fputs(" old_alias_file new_alias_file\n\n", stderr);
  std::fputs("This program converts old Kolvar alias files\n", stderr);
  std::fputs("to new ones that can be handled by Vosker.exe\n", stderr);
  std::fputs("Note: Comments will be lost.\n", stderr);
}

int Convert(const char* oldPath, const char* newPath) {
  // The text area makes the table large: keep it off the stack.
  std::unique_ptr<CAliasTable> table(new (std::nothrow) CAliasTable);
  if (!table) {
    ReportError("not enough memory");
    return 1;
  }
  try {
    if (!table->Load(oldPath)) return 1;
    return table->Save(newPath) ? 0 : 1;
  } catch (const std::bad_alloc&) {
    // Save allocates nothing once the new file is open, so no file has
    // been touched here.
    ReportError("not enough memory");
    return 1;
  }
}

}  // namespace

// Throwing std::bad_alloc needs memory as well (even a nothrow new throws
// inside the runtime): when that is gone too the runtime aborts, so a
// shortage ends the run here, before anything is thrown.
void ExitOutOfMemory() {
  ReportError("not enough memory");
  std::exit(1);
}

int RunAliasConv(int argc, const char* const* argv) {
  if (argc != 3) {
    WriteUsage(argc > 0 && argv[0] != nullptr ? argv[0] : "aliasconv");
    return 1;
  }
  return Convert(argv[1], argv[2]);
}
