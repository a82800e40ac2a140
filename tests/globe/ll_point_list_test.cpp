#include "globe/ll_point_list.h"

#include <gtest/gtest.h>

#include "globe/globe_exception.h"

namespace meridex {
namespace {

template <class F>
std::string MessageOf(F f) {
  try {
    f();
  } catch (const EGlobeException& e) {
    return e.what();
  }
  return "no exception";
}

TEST(LLPointList, RangeErrorsNameTheOperationAndChangeNothing) {
  TLLPointList list;
  list.SetCount(2);
  EXPECT_EQ(MessageOf([&] { list.SetCount(-1); }), "TLLPointList.SetCount: Bad Count -1");
  EXPECT_EQ(MessageOf([&] { list.SetCount(134217728); }),
            "TLLPointList.SetCount: Bad Count 134217728");
  EXPECT_EQ(MessageOf([&] { list.Get(2); }), "TLLPointList.Get: Bad Index 2");
  EXPECT_EQ(MessageOf([&] { list.Get(-1); }), "TLLPointList.Get: Bad Index -1");
  EXPECT_EQ(MessageOf([&] { list.SetCapacity(1); }), "TLLPointList.SetCapacity: Bad Size 1");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Capacity(), 2);
}

TEST(LLPointList, GrowingZeroesNewPoints) {
  TLLPointList list;
  list.SetCount(3);
  list.Set(2, {7, 8});
  list.SetCount(1);
  list.SetCount(3);
  EXPECT_EQ(list.Get(2), (TLLPoint{0, 0}));
  list.SetCapacity(10);
  EXPECT_EQ(list.Capacity(), 10);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
}

}  // namespace
}  // namespace meridex
