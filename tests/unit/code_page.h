// Test helper: runs a test under the lead bytes of a built-in code page
// (0 for none) and restores the set in force afterwards.
#pragma once

#include "common/lead_bytes.h"

class ScopedCodePage {
 public:
  explicit ScopedCodePage(unsigned codePage) : m_saved(LeadBytes()) {
    bool known = false;
    SetLeadBytes(BuiltinLeadBytes(codePage, &known));
  }
  ~ScopedCodePage() { SetLeadBytes(m_saved); }
  ScopedCodePage(const ScopedCodePage&) = delete;
  ScopedCodePage& operator=(const ScopedCodePage&) = delete;

 private:
  LeadByteSet m_saved;
};
