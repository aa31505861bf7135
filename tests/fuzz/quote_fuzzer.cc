// Quote and Escape: reading an escaped form back gives the text again, a
// backslash stands before every special byte and nowhere else, and a token
// with an at sign is written unchanged. Input: a code-page byte, a byte that
// chooses Quote or Escape with a set of up to seven bytes that follow, then
// the text.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "table/alias_table.h"

namespace {

void CheckEscape(std::string_view text, std::string_view special, const LeadByteSet& leads) {
  const std::string before = "kept";
  std::string out = before;
  CAliasTable::Escape(out, text, special);
  FUZZ_CHECK(out.compare(0, before.size(), before) == 0);
  const std::string_view escaped = std::string_view(out).substr(before.size());
  FUZZ_CHECK(escaped.size() == text.size() + fuzz::CountOneByteCharsIn(text, special, leads));
  std::string read;
  FUZZ_CHECK(fuzz::Unescape(escaped, special, leads, read));
  FUZZ_CHECK(read == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const LeadByteSet leads = fuzz::CodePageLeadBytes(data[0]);
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  SetLeadBytes(leads);
  const std::size_t specialCount = data[1] % 8;
  if (specialCount == 0 || rest.size() < specialCount) {
    fuzz::CheckWrittenToken(CAliasTable::Quote(rest), rest, leads);
    return 0;
  }
  // The backslash belongs to every set, or the escaped form could not be read back.
  const std::string special = std::string(rest.substr(0, specialCount)) + '\\';
  CheckEscape(rest.substr(specialCount), special, leads);
  return 0;
}
