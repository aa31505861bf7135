// The set of lead bytes: byte values that begin a two-byte character in the
// active ANSI code page. Fixed once at start-up; tests may swap it.
#pragma once

#include <array>
#include <string_view>

class LeadByteSet {
 public:
  /// An empty set: every byte is a one-byte character.
  constexpr LeadByteSet() = default;

  /// Adds the bytes first..last (inclusive); 0x00 is never added.
  void AddRange(unsigned char first, unsigned char last);

  bool Contains(unsigned char b) const { return m_lead[b]; }
  bool Contains(char b) const { return m_lead[static_cast<unsigned char>(b)]; }
  bool IsEmpty() const;

  bool operator==(const LeadByteSet&) const = default;

 private:
  std::array<bool, 256> m_lead{};
};

/// The built-in ranges of code pages 932, 936, 949, 950 and 1361; sets
/// *known to false (and returns the empty set) for any other code page.
LeadByteSet BuiltinLeadBytes(unsigned codePage, bool* known);

/// The lead bytes of a code page as this platform describes it: the built-in
/// ranges for the five two-byte code pages, else the operating system's report
/// where there is one, else the empty set.
LeadByteSet LeadBytesForCodePage(unsigned codePage);

/// The code page of a POSIX character set name (nl_langinfo(CODESET)), matched
/// without regard to case; 0 for a set without two-byte characters.
unsigned CodePageForCharset(std::string_view charset);

/// The system's ANSI code page as the platform reports it (0 when it has none).
unsigned SystemCodePage();

namespace detail {
inline LeadByteSet activeLeadBytes;
}  // namespace detail

/// The set in force for the run.
inline const LeadByteSet& LeadBytes() { return detail::activeLeadBytes; }

/// Fixes the set in force; called once at start-up (and by tests).
void SetLeadBytes(const LeadByteSet& set);

/// Reads the system's code page and fixes the set in force from it.
void InitLeadBytesFromSystem();
