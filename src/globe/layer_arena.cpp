#include "globe/layer_arena.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define MERIDEX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MERIDEX_ASAN 1
#endif
#endif

#ifdef MERIDEX_ASAN
#include <sanitizer/asan_interface.h>
#define POISON(p, n) ASAN_POISON_MEMORY_REGION((p), (n))
#define UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION((p), (n))
#else
#define POISON(p, n) ((void)(p), (void)(n))
#define UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace meridex {

namespace {

#ifdef MERIDEX_ASAN
// A poisoned gap after every block, so that running off its end is caught.
constexpr std::size_t kFence = TLayerArena::kAlign;
#else
constexpr std::size_t kFence = 0;
#endif

bool FromHeap(std::size_t bytes, std::size_t alignment) {
  return bytes + kFence > TLayerArena::kLargest || alignment > TLayerArena::kAlign;
}

}  // namespace

TLayerArena::~TLayerArena() { ReleaseChunks(); }

std::size_t TLayerArena::ClassOf(std::size_t bytes) {
  if (bytes <= 1024) return (std::max<std::size_t>(bytes, 1) + 15) / 16 - 1;
  // 2^k < bytes <= 2^(k+1): eight classes a doubling, 2^(k-3) apart.
  const int k = std::bit_width(bytes - 1) - 1;
  const std::size_t step = std::size_t{1} << (k - 3);
  return 64 + static_cast<std::size_t>(k - 10) * 8 + (bytes + step - 1) / step - 9;
}

std::size_t TLayerArena::ClassBytes(std::size_t sizeClass) {
  if (sizeClass < 64) return (sizeClass + 1) * 16;
  const std::size_t doubling = (sizeClass - 64) / 8, step = (sizeClass - 64) % 8;
  return (step + 9) << (10 + doubling - 3);
}

void* TLayerArena::Carve(std::size_t bytes) {
  if (static_cast<std::size_t>(end_ - next_) < bytes) {
    // The rest of the newest chunk stays unused: at most kLargest bytes of
    // chunks that grow to kLargestChunk.
    const std::size_t last = chunks_.empty() ? 0 : chunks_.back().bytes;
    const std::size_t size = std::clamp(2 * last, kFirstChunk, kLargestChunk);
    auto* memory = static_cast<std::byte*>(::operator new (size, std::align_val_t{kChunkAlign}));
    chunks_.push_back({memory, size});
    chunkBytes_ += size;
    POISON(memory, size);
    next_ = memory;
    end_ = memory + size;
  }
  void* block = next_;
  next_ += bytes;
  return block;
}

void* TLayerArena::do_allocate(std::size_t bytes, std::size_t alignment) {
  if (FromHeap(bytes, alignment)) {
    void* block = ::operator new (bytes, std::align_val_t{std::max(alignment, kAlign)});
    ++inUse_;
    return block;
  }
  const std::size_t sizeClass = ClassOf(bytes + kFence);
  void* block = free_[sizeClass];
  if (block) {
    UNPOISON(block, sizeof(void*));
    free_[sizeClass] = *static_cast<void**>(block);
  } else {
    block = Carve(ClassBytes(sizeClass));
  }
  UNPOISON(block, bytes);
  ++inUse_;
  return block;
}

void TLayerArena::do_deallocate(void* p, std::size_t bytes, std::size_t alignment) {
  --inUse_;
  if (FromHeap(bytes, alignment)) {
    ::operator delete (p, std::align_val_t{std::max(alignment, kAlign)});
    return;
  }
  const std::size_t sizeClass = ClassOf(bytes + kFence);
  POISON(p, ClassBytes(sizeClass));
  UNPOISON(p, sizeof(void*));
  *static_cast<void**>(p) = free_[sizeClass];
  free_[sizeClass] = p;
  POISON(p, sizeof(void*));
}

bool TLayerArena::Holds(const void* p) const {
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  return std::any_of(chunks_.begin(), chunks_.end(), [at](const TChunk& chunk) {
    const auto start = reinterpret_cast<std::uintptr_t>(chunk.memory);
    return at >= start && at - start < chunk.bytes;
  });
}

void TLayerArena::Reset() {
  if (inUse_ == 0) ReleaseChunks();
}

void TLayerArena::ReleaseChunks() {
  for (const TChunk& chunk : chunks_) {
    UNPOISON(chunk.memory, chunk.bytes);
    ::operator delete (chunk.memory, std::align_val_t{kChunkAlign});
  }
  chunks_.clear();
  chunkBytes_ = 0;
  next_ = end_ = nullptr;
  free_.fill(nullptr);
}

}  // namespace meridex
