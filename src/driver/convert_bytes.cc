#include "driver/convert_bytes.h"

#include <new>

#include "driver/report_error.h"

namespace {

// The stages read the run's lead bytes; this call's set stands in for them.
class ScopedLeadBytes {
 public:
  explicit ScopedLeadBytes(const LeadByteSet& set) : m_saved(LeadBytes()) { SetLeadBytes(set); }
  ~ScopedLeadBytes() { SetLeadBytes(m_saved); }
  ScopedLeadBytes(const ScopedLeadBytes&) = delete;
  ScopedLeadBytes& operator=(const ScopedLeadBytes&) = delete;

 private:
  LeadByteSet m_saved;
};

}  // namespace

int ConvertBytes(CAliasTable& table, std::string_view oldFile, const LeadByteSet& leads,
                 const char* path, std::string& newFile) {
  ScopedLeadBytes scoped(leads);
  try {
    if (!table.LoadBytes(oldFile, path)) return 0;
    newFile = table.NewFormatText();
    return 1;
  } catch (const std::bad_alloc&) {
    ReportError("not enough memory");
    return 0;
  }
}
