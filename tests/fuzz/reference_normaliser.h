// A plain reading of the old format's byte rules, one byte at a time over
// the whole file, with none of the reader's block handling or fast paths:
// the oracle the pipeline target holds the normaliser to.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/lead_bytes.h"

namespace fuzz {

struct ReferenceText {
  bool fits = false;
  std::string text;  // without the terminating zero
};

// The text for an area of size bytes (its zero included).
inline ReferenceText ReferenceNormalise(std::string_view file, std::size_t size,
                                        const LeadByteSet& leads) {
  // Text mode first: the input ends at the first 0x1A, CR LF becomes LF.
  std::string input;
  for (std::size_t i = 0; i < file.size() && file[i] != '\x1A'; ++i) {
    const bool crBeforeLf = file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n';
    if (!crBeforeLf) input += file[i];
  }
  const std::size_t limit = size - 1;
  std::string out;
  bool comment = false, escape = false, second = false;
  auto endsLine = [&] {
    return out.empty() || out.back() == '\n' || out.back() == ',' || out.back() == ':';
  };
  auto store = [&](char b) {
    if (out.size() >= limit) return false;
    out += b;
    return true;
  };
  for (const char b : input) {
    bool ok = true;
    if (comment) {
      if (b == '\n') {
        comment = false;
        if (!endsLine()) ok = store(b);
      }
    } else if (second) {
      second = false;
      ok = store(b);
    } else if (leads.Contains(b)) {
      escape = false;
      second = true;
      ok = store(b);
    } else if (escape) {
      escape = false;
      ok = store(b);
    } else if (b == '\\') {
      escape = true;
    } else if (b == ' ' || b == '\t') {
    } else if (b == '#') {
      comment = true;
    } else if (out.size() >= limit) {
      ok = false;
    } else if (b == '\n') {
      if (!endsLine()) ok = store(b);
    } else if ((b == ',' || b == ':') && !out.empty() && out.back() == '\n') {
      out.back() = b;
    } else {
      ok = store(b);
    }
    if (!ok) return {false, {}};
  }
  if (!out.empty() && out.back() != '\n' && !store('\n')) return {false, {}};
  return {true, out};
}

}  // namespace fuzz
