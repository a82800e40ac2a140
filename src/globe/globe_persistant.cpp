#include "globe/globe_persistant.h"

namespace meridex {

namespace {

// Before every instance: where its memory came from and how much it was.
struct alignas(16) THeader {
  std::pmr::memory_resource* memory;
  std::size_t bytes;
};
static_assert(sizeof(THeader) == 16);

}  // namespace

void* TGlobePersistant::operator new(std::size_t size) {
  return operator new(size, *std::pmr::new_delete_resource());
}

void* TGlobePersistant::operator new(std::size_t size, std::pmr::memory_resource& memory) {
  const std::size_t bytes = sizeof(THeader) + size;
  auto* header = static_cast<THeader*>(memory.allocate(bytes, alignof(THeader)));
  *header = {&memory, bytes};
  return header + 1;
}

void TGlobePersistant::operator delete(void* p) noexcept {
  if (!p) return;
  THeader* header = static_cast<THeader*>(p) - 1;
  header->memory->deallocate(header, header->bytes, alignof(THeader));
}

void TGlobePersistant::operator delete(void* p, std::pmr::memory_resource&) noexcept {
  operator delete(p);
}

}  // namespace meridex
