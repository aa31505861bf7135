#include "failing_new.h"

#include <cstdlib>
#include <new>

namespace {

bool g_armed = false;
bool g_nothrowOnly = false;
std::size_t g_allowed = 0;

void* Allocate(std::size_t size, bool nothrow) {
  if (g_armed && (nothrow || !g_nothrowOnly)) {
    if (g_allowed == 0) return nullptr;
    --g_allowed;
  }
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void FailAllocationsAfter(std::size_t allowed) {
  g_allowed = allowed;
  g_nothrowOnly = false;
  g_armed = true;
}

void FailNothrowAllocations() {
  g_allowed = 0;
  g_nothrowOnly = true;
  g_armed = true;
}

void StopFailingAllocations() { g_armed = false; }

void* operator new(std::size_t size) {
  if (void* p = Allocate(size, false)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
