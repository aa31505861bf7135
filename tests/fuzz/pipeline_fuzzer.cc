// The whole conversion over one input: its first byte picks the code page,
// the rest is the old file. Checks the normalised text, the loaded table and
// the new file's layout, and that a failure is reported in one known message.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "driver/convert_bytes.h"
#include "fuzz_check.h"
#include "oldformat/text_mode_input.h"
#include "reference_normaliser.h"
#include "table/alias_table.h"

namespace {

constexpr std::size_t kNameWidth = 15;
constexpr std::string_view kPath = "old.txt";

struct Normalised {
  bool fits = false;
  std::string text;  // up to the terminating zero, when it fits
};

// Normalises into an area of exactly size bytes on the heap, so that the
// address sanitizer sees any byte stored past it; blocks of chunk bytes
// stand for the reads of a file.
Normalised Normalise(std::string_view oldFile, std::size_t size, std::size_t chunk,
                     const LeadByteSet& leads) {
  std::unique_ptr<char[]> area(new char[size]);
  std::memset(area.get(), 0x5A, size);
  TextNormaliser normaliser(area.get(), size, leads);
  TextModeInput input(normaliser);
  Normalised result;
  bool fits = true;
  for (std::size_t at = 0; fits && !input.Ended() && at < oldFile.size(); at += chunk) {
    fits = input.Feed(oldFile.substr(at, chunk));
  }
  result.fits = fits && input.Finish();
  const std::size_t count = normaliser.StoredCount();
  FUZZ_CHECK(count < size);
  if (result.fits) {
    FUZZ_CHECK(area[count] == '\0');
    FUZZ_CHECK(count == 0 || area[count - 1] == '\n');
    result.text.assign(area.get(), count);
  }
  return result;
}

std::size_t WrittenLength(std::string_view token, const LeadByteSet& leads) {
  if (fuzz::HoldsOneByteChar(token, '@', leads)) return token.size();
  return token.size() + fuzz::CountOneByteCharsIn(token, fuzz::kWriterSpecial, leads);
}

void CheckToken(std::string_view token, const LeadByteSet& leads) {
  FUZZ_CHECK(!token.empty());
  FUZZ_CHECK(token.find('\n') == std::string::npos);
  FUZZ_CHECK(token.find('\0') == std::string::npos);
  FUZZ_CHECK(!fuzz::HoldsOneByteChar(token, ':', leads));
  FUZZ_CHECK(!fuzz::HoldsOneByteChar(token, ',', leads));
}

std::vector<std::string_view> CrLfLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t lineFeed = text.find('\n');
    FUZZ_CHECK(lineFeed != std::string_view::npos);
    FUZZ_CHECK(lineFeed > 0 && text[lineFeed - 1] == '\r');
    lines.push_back(text.substr(0, lineFeed - 1));
    text.remove_prefix(lineFeed + 1);
  }
  return lines;
}

// Reads the new file against the table: a first line per alias with the name
// field and colon, a continuation line per further member with 16 blanks and
// the comma.
void CheckNewFile(const CAliasTable& table, std::string_view newFile, const LeadByteSet& leads) {
  const std::vector<std::string_view> lines = CrLfLines(newFile);
  std::size_t next = 0;
  for (std::size_t alias = 0; alias < table.Names().size(); ++alias) {
    const std::string_view name = table.Names()[alias];
    const CStringArraySlice members = table.Members(alias);
    FUZZ_CHECK(next < lines.size());
    const std::string_view first = lines[next++];
    const std::size_t nameLength = WrittenLength(name, leads);
    const std::size_t colon = std::max(nameLength, kNameWidth);
    FUZZ_CHECK(first.size() > colon && first[colon] == ':');
    fuzz::CheckWrittenToken(first.substr(0, nameLength), name, leads);
    FUZZ_CHECK(first.substr(nameLength, colon - nameLength).find_first_not_of(' ') ==
               std::string_view::npos);
    fuzz::CheckWrittenToken(first.substr(colon + 1), members[0], leads);
    for (std::size_t m = 1; m < members.size(); ++m) {
      FUZZ_CHECK(next < lines.size());
      const std::string_view line = lines[next++];
      FUZZ_CHECK(line.substr(0, 17) == "                ,");
      fuzz::CheckWrittenToken(line.substr(17), members[m], leads);
    }
  }
  FUZZ_CHECK(next == lines.size());
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A failed load says why in one message, cut to 1,023 bytes.
void CheckMessage(std::string_view message, bool fits) {
  FUZZ_CHECK(message.size() <= 1023);
  if (!fits) {
    FUZZ_CHECK(message == "alias data buffer overflow");
  } else if (StartsWith(message, "<:> missing:\n\n")) {
    std::string_view line = message.substr(14);
    const std::string_view end = "\n(old.txt)\n";
    if (line.size() >= end.size() && line.substr(line.size() - end.size()) == end) {
      line.remove_suffix(end.size());
      FUZZ_CHECK(line.find(':') == std::string_view::npos);
    }
  } else {
    FUZZ_CHECK(StartsWith(message, "format error at:\n\n"));
  }
}

// Runs the conversion with its messages caught in memory.
int ConvertCatchingMessages(CAliasTable& table, std::string_view oldFile,
                            const LeadByteSet& leads, std::string& newFile,
                            std::string& message) {
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* sink = open_memstream(&buffer, &length);
  FUZZ_CHECK(sink != nullptr);
  std::FILE* const savedStderr = stderr;
  stderr = sink;
  const int result = ConvertBytes(table, oldFile, leads, kPath.data(), newFile);
  stderr = savedStderr;
  std::fclose(sink);
  message.assign(buffer, length);
  std::free(buffer);
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const LeadByteSet leads = fuzz::CodePageLeadBytes(data[0]);
  // The rest of the selector byte sets the read size and a small area, so
  // that blocks and the overflow edge are met by short inputs too.
  const std::size_t chunk = data[0] / fuzz::kCodePageCount + 1;
  const std::string_view oldFile(reinterpret_cast<const char*>(data) + 1, size - 1);

  const Normalised whole = Normalise(oldFile, CAliasTable::kTextSize, oldFile.size() + 1, leads);
  const Normalised inBlocks = Normalise(oldFile, CAliasTable::kTextSize, chunk, leads);
  FUZZ_CHECK(inBlocks.fits == whole.fits);
  FUZZ_CHECK(inBlocks.text == whole.text);
  const Normalised small = Normalise(oldFile, chunk, chunk, leads);
  if (small.fits) FUZZ_CHECK(whole.fits && small.text == whole.text);
  // The same text as the plain reading of the rules, at both area sizes.
  const fuzz::ReferenceText reference =
      fuzz::ReferenceNormalise(oldFile, CAliasTable::kTextSize, leads);
  FUZZ_CHECK(reference.fits == whole.fits && reference.text == whole.text);
  const fuzz::ReferenceText smallReference = fuzz::ReferenceNormalise(oldFile, chunk, leads);
  FUZZ_CHECK(smallReference.fits == small.fits && smallReference.text == small.text);

  auto table = std::make_unique<CAliasTable>();
  std::string newFile;
  std::string message;
  const int result = ConvertCatchingMessages(*table, oldFile, leads, newFile, message);
  FUZZ_CHECK(LeadBytes().IsEmpty());
  if (!result) {
    CheckMessage(message, whole.fits);
    return 0;
  }
  FUZZ_CHECK(message.empty());
  FUZZ_CHECK(whole.fits);
  FUZZ_CHECK(table->MemberListCount() == table->Names().size());
  for (std::size_t alias = 0; alias < table->Names().size(); ++alias) {
    CheckToken(table->Names()[alias], leads);
    FUZZ_CHECK(!table->Members(alias).empty());
    for (const std::string_view member : table->Members(alias)) CheckToken(member, leads);
  }
  CheckNewFile(*table, newFile, leads);
  return 0;
}
