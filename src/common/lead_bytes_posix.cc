// POSIX has no ANSI code page: the locale's character set stands for it.
#include <langinfo.h>

#include <clocale>

#include "common/lead_bytes.h"

LeadByteSet LeadBytesForCodePage(unsigned codePage) {
  bool known = false;
  return BuiltinLeadBytes(codePage, &known);
}

unsigned SystemCodePage() {
  if (std::setlocale(LC_CTYPE, "") == nullptr) return 0;
  const char* codeset = nl_langinfo(CODESET);
  return codeset == nullptr ? 0 : CodePageForCharset(codeset);
}
