#include "table/split_tokens.h"

#include "common/lead_bytes.h"
#include "common/mbcs.h"

int SplitTokens(CStringArray& tokens, std::string_view text, std::string_view delimiters) {
  tokens.clear();
  std::string_view rest = text;
  rest.remove_prefix(CharSpanIn(rest, delimiters));
  for (;;) {
    const std::size_t length = CharSpanNotIn(rest, delimiters);
    if (length == 0 || (length == 1 && LeadBytes().Contains(rest[0]))) break;
    tokens.push_back(rest.substr(0, length));
    if (length == rest.size()) break;
    rest.remove_prefix(length + 1);
    rest.remove_prefix(CharSpanIn(rest, delimiters));
  }
  return static_cast<int>(tokens.size());
}
