#include "common/mbcs.h"

namespace {

// Sets are a few delimiters: compare in place rather than call memchr per byte.
bool InSet(std::string_view set, char c) {
  for (const char member : set) {
    if (member == c) return true;
  }
  return false;
}

}  // namespace

std::size_t CharFind(std::string_view text, char c, const LeadByteSet& leads) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (leads.Contains(text[i])) {
      i += 2;
    } else if (text[i] == c) {
      return i;
    } else {
      ++i;
    }
  }
  return std::string_view::npos;
}

std::size_t CharSpanIn(std::string_view text, std::string_view set, const LeadByteSet& leads) {
  std::size_t i = 0;
  while (i < text.size() && !leads.Contains(text[i]) && InSet(set, text[i])) ++i;
  return i;
}

std::size_t CharSpanNotIn(std::string_view text, std::string_view set, const LeadByteSet& leads) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (leads.Contains(text[i])) {
      i += 2;
    } else if (InSet(set, text[i])) {
      return i;
    } else {
      ++i;
    }
  }
  return text.size();
}
