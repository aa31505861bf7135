// Save: the whole new file is built in memory first, so that running out of
// memory can never leave an existing file truncated.
#include <cstdio>

#include "driver/report_error.h"
#include "table/alias_table.h"

int CAliasTable::Save(const char* path) const {
  const std::string text = NewFormatText();
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) {
    ReportError("Can't open %s", path);
    return 0;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                       std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    ReportError("Can't write %s", path);
    return 0;
  }
  return 1;
}
