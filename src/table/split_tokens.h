#pragma once

#include <string_view>

#include "table/alias_table.h"

/// Replaces tokens with the non-empty runs of characters of text between
/// delimiter characters (one-byte characters of delimiters); a lone lead byte
/// at the very end is no token by itself. Returns the number of tokens.
int SplitTokens(CStringArray& tokens, std::string_view text, std::string_view delimiters);
