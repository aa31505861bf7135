// SplitTokens against a plain reading of its rule: cut at every one-byte
// colon and comma, drop empty pieces and a last piece that is a lone lead
// byte. The first input byte picks the code page, the rest is the line.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "table/split_tokens.h"

namespace {

std::vector<std::string> ExpectedTokens(std::string_view text, const LeadByteSet& leads) {
  std::vector<std::string> tokens;
  std::string piece;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = fuzz::CharLength(text, i, leads);
    const bool delimiter = length == 1 && !leads.Contains(text[i]) &&
                           (text[i] == ':' || text[i] == ',');
    if (delimiter) {
      if (!piece.empty()) tokens.push_back(piece);
      piece.clear();
    } else {
      piece.append(text.substr(i, length));
    }
    i += length;
  }
  const bool loneLeadByte = piece.size() == 1 && leads.Contains(piece[0]);
  if (!piece.empty() && !loneLeadByte) tokens.push_back(piece);
  return tokens;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const LeadByteSet leads = fuzz::CodePageLeadBytes(data[0]);
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  SetLeadBytes(leads);
  CStringArray tokens = {"left over"};
  const int count = SplitTokens(tokens, text, ":,");
  FUZZ_CHECK(count == static_cast<int>(tokens.size()));
  for (const std::string_view token : tokens) {
    FUZZ_CHECK(!token.empty());
    FUZZ_CHECK(!fuzz::HoldsOneByteChar(token, ':', leads));
    FUZZ_CHECK(!fuzz::HoldsOneByteChar(token, ',', leads));
  }
  const std::vector<std::string> expected = ExpectedTokens(text, leads);
  FUZZ_CHECK(std::equal(tokens.begin(), tokens.end(), expected.begin(), expected.end()));
  return 0;
}
