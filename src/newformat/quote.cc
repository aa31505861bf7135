// Quote and Escape: how a token is written in the new format.
#include "common/lead_bytes.h"
#include "common/mbcs.h"
#include "table/alias_table.h"

namespace {

constexpr char kBackslash = '\\';
constexpr char kAtSign = '@';
constexpr std::string_view kSpecialBytes = "\\ :,\"<>()";

}  // namespace

std::string CAliasTable::Quote(std::string_view token) {
  std::string quoted;
  quoted.reserve(QuotedSize(token));
  AppendQuoted(quoted, token);
  return quoted;
}

void CAliasTable::AppendQuoted(std::string& out, std::string_view token) {
  // A mail address is written as it stands.
  if (CharFind(token, kAtSign) != std::string_view::npos) {
    out += token;
  } else {
    Escape(out, token, kSpecialBytes);
  }
}

// Only sizes the output ahead, so that it is built without regrowing.
std::size_t CAliasTable::QuotedSize(std::string_view token) {
  if (CharFind(token, kAtSign) != std::string_view::npos) return token.size();
  const LeadByteSet& leads = LeadBytes();
  std::size_t size = token.size();
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (leads.Contains(token[i])) {
      ++i;
    } else if (kSpecialBytes.find(token[i]) != std::string_view::npos) {
      ++size;
    }
  }
  return size;
}

void CAliasTable::Escape(std::string& out, std::string_view text, std::string_view special) {
  const LeadByteSet& leads = LeadBytes();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char b = text[i];
    if (leads.Contains(b)) {
      out += b;
      // A lone lead byte at the end is copied and ends the form.
      if (i + 1 < text.size()) out += text[++i];
    } else {
      if (special.find(b) != std::string_view::npos) out += kBackslash;
      out += b;
    }
  }
}
