// Windows: the ANSI code page, described by the system where it is not built in.
#include <windows.h>

#include "common/lead_bytes.h"

LeadByteSet LeadBytesForCodePage(unsigned codePage) {
  bool known = false;
  LeadByteSet set = BuiltinLeadBytes(codePage, &known);
  if (known) return set;
  CPINFOEXA info;
  if (!GetCPInfoExA(codePage, 0, &info) || info.MaxCharSize < 2) return set;
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
    set.AddRange(info.LeadByte[i], info.LeadByte[i + 1]);
  }
  return set;
}

unsigned SystemCodePage() { return GetACP(); }
