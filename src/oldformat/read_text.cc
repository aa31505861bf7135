// ReadText: the old file, read in blocks through the text-mode rules into the
// normaliser.
#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/lead_bytes.h"
#include "driver/report_error.h"
#include "oldformat/text_mode_input.h"
#include "table/alias_table.h"

namespace {

// fopen succeeds on a directory on POSIX; reading it would then fail.
std::FILE* OpenOldFile(const char* path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return nullptr;
  std::FILE* file = std::fopen(path, "rb");
  // Blocks are read whole into our own buffer: a stream buffer would only be copied through.
  if (file != nullptr) std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

}  // namespace

int CAliasTable::ReadText(const char* path) {
  std::FILE* file = OpenOldFile(path);
  if (file == nullptr) {
    ReportError("can't open %s", path);
    return 0;
  }
  TextNormaliser normaliser(m_text, kTextSize, LeadBytes());
  TextModeInput input(normaliser);
  std::array<char, kReadBlockSize> block;
  bool fits = true;
  while (fits && !input.Ended()) {
    const std::size_t got = std::fread(block.data(), 1, block.size(), file);
    if (got == 0) break;
    fits = input.Feed({block.data(), got});
  }
  const bool readFailed = std::ferror(file) != 0;
  std::fclose(file);
  if (fits && readFailed) {
    // A read error must not pass for the end of the file: the aliases after
    // it would be lost without a word.
    ReportError("can't read %s", path);
    return 0;
  }
  if (!fits || !input.Finish()) {
    ReportError("alias data buffer overflow");
    return 0;
  }
  return 1;
}

int CAliasTable::ReadTextBytes(std::string_view oldFile) {
  if (!NormaliseOldFile(oldFile, m_text, kTextSize, LeadBytes())) {
    ReportError("alias data buffer overflow");
    return 0;
  }
  return 1;
}
