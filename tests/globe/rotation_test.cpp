#include "globe/rotation.h"

#include <gtest/gtest.h>

#include "globe/globe_types.h"

namespace meridex {
namespace {

void ExpectMatrix(const TMatrix3& m, const std::array<double, 9>& expected) {
  for (std::size_t i = 0; i < 9; ++i)
    EXPECT_NEAR(static_cast<double>(m[i]), expected[i], 1e-15) << "entry " << i;
}

TEST(Rotation, NoRotationFlipsOnlyTheScreenY) {
  const TQuaternion q = AnglesToQuaternion(0, 0, 0);
  EXPECT_EQ(q.x, 0.0L);
  EXPECT_EQ(q.y, 0.0L);
  EXPECT_EQ(q.z, 0.0L);
  EXPECT_EQ(q.w, 1.0L);
  const TMatrix3 m = QuaternionToMatrix(q);
  const TMatrix3 expected{1, 0, 0, 0, -1, 0, 0, 0, 1};
  EXPECT_EQ(m, expected);
}

TEST(Rotation, ProductPutsTheSecondOperandOnTheLeft) {
  // p = i, q = j: q * p = j * i = -k.
  const TQuaternion r = QuaternionMultiply({1, 0, 0, 0}, {0, 1, 0, 0});
  EXPECT_EQ(r.x, 0.0L);
  EXPECT_EQ(r.y, 0.0L);
  EXPECT_EQ(r.z, -1.0L);
  EXPECT_EQ(r.w, 0.0L);
}

TEST(Rotation, TiltOfNinetyDegrees) {
  // diag(1, -1, 1) * Rx(-90 degrees).
  ExpectMatrix(QuaternionToMatrix(AnglesToQuaternion(GU_90, 0, 0)), {1, 0, 0, 0, 0, -1, 0, -1, 0});
  // diag(1, -1, 1) * Ry(90 degrees).
  ExpectMatrix(QuaternionToMatrix(AnglesToQuaternion(0, -GU_90, 0)), {0, 0, 1, 0, -1, 0, -1, 0, 0});
  // diag(1, -1, 1) * Rz(-90 degrees).
  ExpectMatrix(QuaternionToMatrix(AnglesToQuaternion(0, 0, GU_90)), {0, 1, 0, 1, 0, 0, 0, 0, 1});
}

TEST(Rotation, TransposeAndScale) {
  TMatrix3 m{1, 2, 3, 4, 5, 6, 7, 8, 9};
  const TMatrix3 t{1, 4, 7, 2, 5, 8, 3, 6, 9};
  EXPECT_EQ(TransposeMatrix(m), t);
  ScaleMatrix(m, 0.5L);
  const TMatrix3 half{0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5};
  EXPECT_EQ(m, half);
}

}  // namespace
}  // namespace meridex
