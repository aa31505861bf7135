// Save: the new file is laid out straight into a fixed buffer. Nothing is
// allocated once the file is open, so running out of memory can never leave
// an existing file truncated.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "driver/report_error.h"
#include "newformat/layout.h"

namespace {

// The output LayOut needs, over an open file; remembers whether a write failed.
class FileOut {
 public:
  explicit FileOut(std::FILE* file) : m_file(file) {}

  void operator+=(char b) {
    if (m_used == sizeof m_buffer) Flush();
    m_buffer[m_used++] = b;
  }
  void operator+=(std::string_view bytes) {
    // Most pieces are a few bytes that fit: one copy of a size the caller
    // often knows.
    if (bytes.size() <= sizeof m_buffer - m_used) {
      std::memcpy(m_buffer + m_used, bytes.data(), bytes.size());
      m_used += bytes.size();
      return;
    }
    while (!bytes.empty()) {
      if (m_used == sizeof m_buffer) Flush();
      const std::size_t part = std::min(bytes.size(), sizeof m_buffer - m_used);
      std::memcpy(m_buffer + m_used, bytes.data(), part);
      m_used += part;
      bytes.remove_prefix(part);
    }
  }
  void append(std::size_t count, char b) {
    while (count > 0) {
      if (m_used == sizeof m_buffer) Flush();
      const std::size_t part = std::min(count, sizeof m_buffer - m_used);
      std::memset(m_buffer + m_used, b, part);
      m_used += part;
      count -= part;
    }
  }
  std::size_t size() const { return m_flushed + m_used; }

  /// Writes what is buffered; true when every write succeeded.
  bool Flush() {
    if (m_used > 0 && std::fwrite(m_buffer, 1, m_used, m_file) != m_used) m_failed = true;
    m_flushed += m_used;
    m_used = 0;
    return !m_failed;
  }

 private:
  std::FILE* m_file;
  char m_buffer[16 * 1024];
  std::size_t m_used = 0;
  std::size_t m_flushed = 0;
  bool m_failed = false;
};

}  // namespace

int CAliasTable::Save(const char* path) const {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) {
    ReportError("Can't open %s", path);
    return 0;
  }
  // FileOut buffers; a stream buffer as well would only be allocated and copied through.
  std::setvbuf(file, nullptr, _IONBF, 0);
  FileOut out(file);
  newformat::LayOut(*this, out);
  const bool written = out.Flush();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    ReportError("Can't write %s", path);
    return 0;
  }
  return 1;
}
