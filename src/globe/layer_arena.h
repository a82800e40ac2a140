#pragma once

#include <array>
#include <cstddef>
#include <memory_resource>
#include <vector>

namespace meridex {

// The memory of one layer's objects and point lists. Blocks are cut from
// large chunks in the order they are asked for, so a layer loaded in one go
// lies in memory in load order, the order its render walks it, whatever the
// process allocated and freed before. (From the general heap a map loaded
// after others were freed gets its blocks from all over the free lists, and
// renders measurably slower.)
//
// A freed block is kept for the next block of its size class (classes are at
// most an eighth apart, so a block wastes at most that). Blocks above
// kLargest bytes, or aligned more strictly than kAlign, come from the heap
// directly. Everything goes back to the heap when the arena is destroyed, or
// by Reset() once nothing is in use. Not thread-safe (nor is a layer).
//
// Under AddressSanitizer the blocks are fenced and freed ones poisoned, so
// that overruns and uses after free inside the arena are caught as on the
// heap.
class TLayerArena final : public std::pmr::memory_resource {
 public:
  static constexpr std::size_t kAlign = 16;
  static constexpr std::size_t kLargest = 64 * 1024;
  static constexpr std::size_t kFirstChunk = 64 * 1024;
  static constexpr std::size_t kLargestChunk = 4 * 1024 * 1024;
  // Chunks start on a cache line. (Where they start 16 bytes into one, as the
  // heap hands out blocks this size, the full render of the shipped map took
  // about 5% longer.)
  static constexpr std::size_t kChunkAlign = 64;

  TLayerArena() = default;
  ~TLayerArena() override;
  TLayerArena(const TLayerArena&) = delete;
  TLayerArena& operator=(const TLayerArena&) = delete;

  // Blocks handed out and not yet freed.
  std::size_t BlocksInUse() const { return inUse_; }
  // Bytes held in chunks (not counting blocks taken from the heap directly).
  std::size_t ChunkBytes() const { return chunkBytes_; }
  // Whether p lies in one of the chunks.
  bool Holds(const void* p) const;
  // Gives every chunk back and starts afresh, so that the next blocks lie in
  // the order they are asked for again; does nothing while blocks are in use.
  void Reset();

  // The size class of a block of bytes (at most kLargest) and the bytes the
  // class holds; exposed for the tests.
  static std::size_t ClassOf(std::size_t bytes);
  static std::size_t ClassBytes(std::size_t sizeClass);
  static constexpr std::size_t kClasses = 64 + 6 * 8;

 private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void* p, std::size_t bytes, std::size_t alignment) override;
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
    return this == &other;
  }
  void* Carve(std::size_t bytes);
  void ReleaseChunks();

  struct TChunk {
    std::byte* memory;
    std::size_t bytes;
  };
  std::vector<TChunk> chunks_;
  std::byte* next_ = nullptr;  // the unused rest of the newest chunk
  std::byte* end_ = nullptr;
  std::size_t chunkBytes_ = 0;
  std::size_t inUse_ = 0;
  std::array<void*, kClasses>
      free_{};  // each class's freed blocks, linked through their first word
};

}  // namespace meridex
