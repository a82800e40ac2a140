#include "globe/rotation.h"

#include "globe/globe_units.h"

namespace meridex {

TQuaternion QuaternionMultiply(const TQuaternion& p, const TQuaternion& q) {
  TQuaternion r;
  r.x = q.w * p.x + q.x * p.w + q.y * p.z - q.z * p.y;
  r.y = q.w * p.y + q.y * p.w + q.z * p.x - q.x * p.z;
  r.z = q.w * p.z + q.z * p.w + q.x * p.y - q.y * p.x;
  r.w = q.w * p.w - q.x * p.x - q.y * p.y - q.z * p.z;
  return r;
}

TQuaternion AnglesToQuaternion(GlobeUnit x, GlobeUnit y, GlobeUnit z) {
  long double s, c;
  SinCos(x * RADIANS_PER_GU * 0.5L, s, c);
  const TQuaternion qx{s, 0, 0, c};
  SinCos(y * RADIANS_PER_GU * 0.5L, s, c);
  const TQuaternion qy{0, s, 0, c};
  SinCos(z * RADIANS_PER_GU * 0.5L, s, c);
  const TQuaternion qz{0, 0, s, c};
  return QuaternionMultiply(QuaternionMultiply(qx, qy), qz);
}

TMatrix3 QuaternionToMatrix(const TQuaternion& q) {
  const long double x = q.x, y = q.y, z = q.z, w = q.w;
  return {w * w + x * x - y * y - z * z,
          2 * x * y + 2 * z * w,
          2 * x * z - 2 * y * w,
          -(2 * x * y - 2 * z * w),
          -(w * w - x * x + y * y - z * z),
          -(2 * y * z + 2 * x * w),
          2 * x * z + 2 * y * w,
          2 * y * z - 2 * x * w,
          w * w - x * x - y * y + z * z};
}

TMatrix3 TransposeMatrix(const TMatrix3& m) {
  return {m[0], m[3], m[6], m[1], m[4], m[7], m[2], m[5], m[8]};
}

void ScaleMatrix(TMatrix3& m, long double s) {
  for (long double& e : m) e *= s;
}

}  // namespace meridex
