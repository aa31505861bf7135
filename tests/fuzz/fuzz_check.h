// Shared by the fuzz targets: the code page an input picks, a check that
// stops the run on a broken property, and a reading of the two-byte
// characters and escapes written independently of the program's own scans.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/lead_bytes.h"

// A broken property is a finding like a crash: libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                     \
  do {                                                                            \
    if (!(condition)) {                                                           \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, \
                   #condition);                                                   \
      std::abort();                                                               \
    }                                                                             \
  } while (false)

namespace fuzz {

constexpr unsigned kCodePages[] = {0, 932, 936, 949, 950, 1361};
constexpr std::size_t kCodePageCount = sizeof kCodePages / sizeof kCodePages[0];

/// The lead bytes of the code page that a selector byte picks.
inline LeadByteSet CodePageLeadBytes(std::uint8_t selector) {
  bool known = false;
  return BuiltinLeadBytes(kCodePages[selector % kCodePageCount], &known);
}

/// Length of the character at text[i]: 2 for a lead byte with a byte after
/// it, else 1.
inline std::size_t CharLength(std::string_view text, std::size_t i, const LeadByteSet& leads) {
  return leads.Contains(text[i]) && i + 1 < text.size() ? 2 : 1;
}

/// Whether text holds c as a one-byte character.
inline bool HoldsOneByteChar(std::string_view text, char c, const LeadByteSet& leads) {
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i, leads)) {
    if (!leads.Contains(text[i]) && text[i] == c) return true;
  }
  return false;
}

/// Number of one-byte characters of text that stand in set.
inline std::size_t CountOneByteCharsIn(std::string_view text, std::string_view set,
                                       const LeadByteSet& leads) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i, leads)) {
    if (!leads.Contains(text[i]) && set.find(text[i]) != std::string_view::npos) ++count;
  }
  return count;
}

/// Reads an escaped form back: a backslash must stand before each one-byte
/// character of special and nowhere else (special holds the backslash).
/// False when the form breaks that rule.
inline bool Unescape(std::string_view escaped, std::string_view special, const LeadByteSet& leads,
                     std::string& text) {
  text.clear();
  for (std::size_t i = 0; i < escaped.size();) {
    const std::size_t length = CharLength(escaped, i, leads);
    if (leads.Contains(escaped[i])) {
      text.append(escaped.substr(i, length));
    } else if (escaped[i] == '\\') {
      if (i + 1 == escaped.size() || leads.Contains(escaped[i + 1]) ||
          special.find(escaped[i + 1]) == std::string_view::npos) {
        return false;
      }
      text += escaped[i + 1];
      i += 2;
      continue;
    } else if (special.find(escaped[i]) != std::string_view::npos) {
      return false;
    } else {
      text += escaped[i];
    }
    i += length;
  }
  return true;
}

/// The bytes that the writer escapes.
constexpr std::string_view kWriterSpecial = "\\ :,\"<>()";

/// Checks a token as the writer must give it: unchanged when it holds an at
/// sign, else escaped, which is read back to the token.
inline void CheckWrittenToken(std::string_view written, std::string_view token,
                              const LeadByteSet& leads) {
  if (HoldsOneByteChar(token, '@', leads)) {
    FUZZ_CHECK(written == token);
    return;
  }
  std::string read;
  FUZZ_CHECK(Unescape(written, kWriterSpecial, leads, read));
  FUZZ_CHECK(read == token);
}

}  // namespace fuzz
