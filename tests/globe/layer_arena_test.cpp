#include "globe/layer_arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "globe/globe_exception.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "test_globe.h"

namespace meridex {
namespace {

std::uintptr_t Address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

TEST(LayerArena, SizeClassesHoldTheirSizesAndWasteAtMostAnEighth) {
  std::size_t last = 0;
  for (std::size_t n = 1; n <= TLayerArena::kLargest; ++n) {
    const std::size_t c = TLayerArena::ClassOf(n);
    ASSERT_LT(c, TLayerArena::kClasses) << n;
    ASSERT_GE(c, last) << n;
    const std::size_t bytes = TLayerArena::ClassBytes(c);
    ASSERT_GE(bytes, n) << n;
    ASSERT_EQ(bytes % TLayerArena::kAlign, 0u) << n;
    ASSERT_LE(bytes - n, std::max<std::size_t>(15, n / 8)) << n;
    // The class is the smallest that holds n.
    if (c > 0) {
      ASSERT_LT(TLayerArena::ClassBytes(c - 1), n) << n;
    }
    last = c;
  }
  EXPECT_EQ(TLayerArena::ClassOf(TLayerArena::kLargest), TLayerArena::kClasses - 1);
  EXPECT_EQ(TLayerArena::ClassOf(0), 0u);
}

TEST(LayerArena, BlocksLieInTheOrderAskedAndFreedOnesServeTheirClassAgain) {
  TLayerArena arena;
  void* blocks[6];
  const std::size_t sizes[6] = {40, 536, 8 * 700, 12, 3000, 536};
  for (int i = 0; i < 6; ++i) {
    blocks[i] = arena.allocate(sizes[i], 8);
    std::memset(blocks[i], 0xA5, sizes[i]);  // writable to its last byte
    EXPECT_EQ(Address(blocks[i]) % TLayerArena::kAlign, 0u);
    if (i > 0) {
      EXPECT_GE(Address(blocks[i]), Address(blocks[i - 1]) + sizes[i - 1]) << i;
      EXPECT_LT(Address(blocks[i]), Address(blocks[i - 1]) + 2 * sizes[i - 1] + 64) << i;
    }
  }
  EXPECT_EQ(Address(blocks[0]) % TLayerArena::kChunkAlign, 0u);
  EXPECT_EQ(arena.BlocksInUse(), 6u);
  EXPECT_EQ(arena.ChunkBytes(), TLayerArena::kFirstChunk);

  arena.deallocate(blocks[1], 536, 8);
  arena.deallocate(blocks[4], 3000, 8);
  EXPECT_EQ(arena.allocate(530, 8), blocks[1]);  // the same class
  void* other = arena.allocate(2000, 8);         // another: from the chunk
  EXPECT_GT(Address(other), Address(blocks[5]));
  EXPECT_EQ(arena.allocate(3000, 8), blocks[4]);
  EXPECT_EQ(arena.BlocksInUse(), 7u);
}

TEST(LayerArena, LargeAndStrictlyAlignedBlocksComeFromTheHeapAndResetWaitsForTheLast) {
  TLayerArena arena;
  void* large = arena.allocate(TLayerArena::kLargest + 1, 8);
  void* aligned = arena.allocate(256, 128);
  EXPECT_EQ(Address(aligned) % 128, 0u);
  EXPECT_EQ(arena.ChunkBytes(), 0u);
  std::memset(large, 1, TLayerArena::kLargest + 1);

  // Chunks grow as they fill, each starting on a cache line.
  std::vector<void*> small;
  for (int i = 0; i < 100; ++i) small.push_back(arena.allocate(4000, 16));
  EXPECT_EQ(arena.ChunkBytes(),
            TLayerArena::kFirstChunk + 2 * TLayerArena::kFirstChunk + 4 * TLayerArena::kFirstChunk);
  EXPECT_EQ(arena.BlocksInUse(), 102u);

  arena.deallocate(large, TLayerArena::kLargest + 1, 8);
  arena.deallocate(aligned, 256, 128);
  for (int i = 0; i < 99; ++i) arena.deallocate(small[static_cast<std::size_t>(i)], 4000, 16);
  arena.Reset();  // one block still in use: nothing changes
  EXPECT_GT(arena.ChunkBytes(), 0u);
  std::memset(small.back(), 2, 4000);
  arena.deallocate(small.back(), 4000, 16);
  arena.Reset();
  EXPECT_EQ(arena.ChunkBytes(), 0u);
  EXPECT_EQ(arena.BlocksInUse(), 0u);
  // Afresh: the first block starts the first chunk again.
  void* first = arena.allocate(100, 8);
  EXPECT_EQ(Address(first) % TLayerArena::kChunkAlign, 0u);
  arena.deallocate(first, 100, 8);
}

class LayerMemoryTest : public ::testing::Test {
 protected:
  TGlobePolygon* Shape(int points) {
    auto* shape = CreateIn<TGlobePolygon>(layer);
    shape->Points.SetCount(points);  // one array, not one for every growth
    for (int i = 0; i < points; ++i) shape->Points.Set(i, {i * 1'000'000, i * 300'000});
    return shape;
  }
  test::TestGlobe globe;
  TGlobeLayer& layer = globe.AddLayer("shapes");
};

TEST_F(LayerMemoryTest, ObjectsVerticesAndKeptPointsEachLieApartInTheOrderMade) {
  const TLayerArena& objects = layer.Arena();
  const TLayerArena& vertices = layer.VertexArena();
  const TLayerArena& kept = layer.KeptArena();
  TGlobePolygon* a = Shape(100);
  auto* label = CreateIn<TGlobeText>(layer);
  TGlobePolygon* b = Shape(20);
  for (const void* object : {static_cast<const void*>(a), static_cast<const void*>(label),
                             static_cast<const void*>(b)}) {
    EXPECT_TRUE(objects.Holds(object));
    EXPECT_FALSE(vertices.Holds(object));
  }
  EXPECT_LT(Address(a), Address(label));
  EXPECT_LT(Address(label), Address(b));
  // The objects follow one another, not stepping over their vertices.
  EXPECT_LT(Address(b) - Address(a), 4 * sizeof(TGlobePolygon));
  EXPECT_TRUE(vertices.Holds(a->Points.Points()));
  EXPECT_TRUE(vertices.Holds(b->Points.Points()));
  EXPECT_LT(Address(a->Points.Points()), Address(b->Points.Points()));
  const std::size_t inUse = objects.BlocksInUse();
  EXPECT_GE(inUse, 3u);
  EXPECT_EQ(kept.BlocksInUse(), 0u);

  // Drawing keeps the picked earth coordinates in the kept memory, no more
  // room than they need, one object's after the other's.
  globe.Redraw();
  globe.Paint();
  ASSERT_TRUE(a->ProjectionCache.Decimated);
  ASSERT_TRUE(b->ProjectionCache.Decimated);
  const std::pmr::vector<T3DPoint>& keptA = a->ProjectionCache.Decimated->Points;
  const std::pmr::vector<T3DPoint>& keptB = b->ProjectionCache.Decimated->Points;
  ASSERT_FALSE(keptA.empty());
  EXPECT_EQ(keptA.capacity(), keptA.size());
  EXPECT_EQ(keptB.capacity(), keptB.size());
  EXPECT_TRUE(kept.Holds(keptA.data()));
  EXPECT_TRUE(kept.Holds(keptB.data()));
  EXPECT_GT(Address(keptB.data()), Address(keptA.data()));
  const std::size_t bytesA = keptA.size() * sizeof(T3DPoint);
  EXPECT_LE(Address(keptB.data()) - Address(keptA.data()),
            TLayerArena::ClassBytes(TLayerArena::ClassOf(bytesA)) + 16);  // an ASan fence
  EXPECT_GT(objects.BlocksInUse(), inUse);  // the earth coordinates of every vertex

  // A copy of a list, and a list moved out, live apart from the layer: they
  // outlast its Clear, which gives all three memories back.
  const TLLPointList copy = a->Points;
  const TLLPointList moved = std::move(b->Points);
  layer.Clear();
  for (const TLayerArena* arena : {&objects, &vertices, &kept}) {
    EXPECT_EQ(arena->BlocksInUse(), 0u);
    EXPECT_EQ(arena->ChunkBytes(), 0u);
  }
  ASSERT_EQ(copy.Count(), 100);
  EXPECT_EQ(copy.Get(99), (TLLPoint{99'000'000, 29'700'000}));
  ASSERT_EQ(moved.Count(), 20);
  EXPECT_EQ(moved.Get(19), (TLLPoint{19'000'000, 5'700'000}));
}

TEST_F(LayerMemoryTest, AnObjectMadeForAnotherLayerIsRefusedAndOneFromTheHeapTaken) {
  TGlobeLayer& other = globe.AddLayer("other");
  EXPECT_THROW(layer.Adopt(std::make_unique<TGlobePolyLine>(other)), EGlobeException);
  EXPECT_EQ(layer.ObjectCount(), 0);

  auto own = std::make_unique<TGlobePolyLine>(layer);  // a plain new: on the heap
  own->Points.Add({1, 2});
  TGlobePolyLine* line = own.get();
  layer.Adopt(std::move(own));
  EXPECT_EQ(layer.Objects(0), line);
  layer.Clear();
  EXPECT_EQ(layer.ObjectCount(), 0);
}

}  // namespace
}  // namespace meridex
