// Character-wise scans: a lead byte and the byte after it form one character,
// and neither of its bytes ever matches a one-byte character. A lead byte that
// is the last byte of the text is a character by itself. With an empty
// lead-byte set these are plain byte scans.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/lead_bytes.h"

/// Position of the first one-byte character c in text, or npos.
std::size_t CharFind(std::string_view text, char c, const LeadByteSet& leads = LeadBytes());

/// Length of the longest beginning of text made of one-byte characters of set.
std::size_t CharSpanIn(std::string_view text, std::string_view set,
                       const LeadByteSet& leads = LeadBytes());

/// Length of the longest beginning of text that holds no one-byte character of
/// set; a lone lead byte at the end is taken in.
std::size_t CharSpanNotIn(std::string_view text, std::string_view set,
                          const LeadByteSet& leads = LeadBytes());
