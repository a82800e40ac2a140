#pragma once

#include <array>

#include "globe/globe_types.h"

namespace meridex {

// x, y, z, then the scalar part w.
struct TQuaternion {
  long double x = 0, y = 0, z = 0, w = 1;
};

// Row-major: entries 0..2 are the first row.
using TMatrix3 = std::array<long double, 9>;

// The Hamilton product q * p (the second operand on the left).
TQuaternion QuaternionMultiply(const TQuaternion& p, const TQuaternion& q);
// Rotations about x, y and z by the given GlobeUnit angles, composed Qz*Qy*Qx.
TQuaternion AnglesToQuaternion(GlobeUnit x, GlobeUnit y, GlobeUnit z);
// The transpose of q's rotation matrix with its second row negated: screen y
// grows downwards while north is up. For AnglesToQuaternion(X, Y, Z) this is
// diag(1, -1, 1) * Rx(-X) * Ry(-Y) * Rz(-Z).
TMatrix3 QuaternionToMatrix(const TQuaternion& q);
TMatrix3 TransposeMatrix(const TMatrix3& m);
void ScaleMatrix(TMatrix3& m, long double s);

}  // namespace meridex
