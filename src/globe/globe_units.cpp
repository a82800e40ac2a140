#include "globe/globe_units.h"

#include <array>
#include <cctype>
#include <cmath>

#include "globe/globe_exception.h"

namespace meridex {

namespace {

struct UnitRow {
  const char* abbreviation;
  long double guPerUnit;   // into the engine
  long double unitsPerGu;  // out of the engine
};

// The unit system: 1 NM = 1 arc minute = 90,000 GU = 6,080 ft = 1.852 km.
// The factors are kept as written rather than derived from one another:
// layer files and callers rely on the exact integers they give.
constexpr std::array<UnitRow, 10> kUnits{{
    {"D", 5400000.0L, 1.85185185185185185183760443171E-7L},
    {"NM", 90000.0L, 1.11111111111111111108705302254E-5L},
    {"MI", 78157.89483968144058L, 1.27946127777777777775373580768E-5L},
    {"YD", 44.407894795273545784L, 0.02251851848888888889L},
    {"FT", 14.802631598424515261L, 0.06755555546666666666L},
    {"IN", 1.2335526332020429384L, 0.81066666560000000003L},
    {"KM", 48596.11231101511879L, 2.0577777777777777770807590712E-5L},
    {"M", 48.59611231101511879L, 0.020577777777777777778L},
    {"CM", 0.48596112311015118791L, 2.0577777777777777777L},
    {"GU", 1.0L, 1.0L},
}};

unsigned Row(TGlobeUnits units) { return static_cast<unsigned>(units) & 0x7Fu; }

}  // namespace

std::int32_t UnitsToGlobeUnits(std::int32_t value, TGlobeUnits units) {
  const unsigned row = Row(units);
  const auto wrapMul = [value](std::uint32_t factor) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) * factor);
  };
  switch (row) {
    case 0:
      return wrapMul(5'400'000u);
    case 1:
      return wrapMul(90'000u);
    case 9:
      return value;
    default:
      if (row >= kUnits.size()) return value;
      return Round32(static_cast<long double>(value) * kUnits[row].guPerUnit);
  }
}

std::int32_t GlobeUnitsToUnits(std::int32_t value, TGlobeUnits units) {
  const unsigned row = Row(units);
  if (row == 9 || row >= kUnits.size()) return value;
  return Round32(static_cast<long double>(value) * kUnits[row].unitsPerGu);
}

TGlobeUnits StrToUnits(std::string_view text) {
  for (std::size_t i = 0; i < kUnits.size(); ++i) {
    const std::string_view abbreviation = kUnits[i].abbreviation;
    if (abbreviation.size() != text.size()) continue;
    bool equal = true;
    for (std::size_t k = 0; k < text.size() && equal; ++k)
      equal = std::toupper(static_cast<unsigned char>(text[k])) == abbreviation[k];
    if (equal) return static_cast<TGlobeUnits>(i);
  }
  throw EGlobeException::Fmt("StrToUnits: Unknown Units %s", std::string(text).c_str());
}

void UnitsToStr(TGlobeUnits units, std::string& dest) {
  const unsigned row = Row(units);
  if (row < kUnits.size()) dest = kUnits[row].abbreviation;
}

std::string UnitsToStr(TGlobeUnits units) {
  std::string text;
  UnitsToStr(units, text);
  return text;
}

std::int32_t RadToGlobeUnits(long double radians) { return Round32(radians * GU_PER_RADIAN); }

void SinCos(long double angle, long double& sin, long double& cos) {
  // The maths library reduces every argument beyond pi/4 with its slow
  // general method. Angles here stay within a few turns, so reduce by
  // multiples of pi/2 first (pi/2 split in two so that k x the high part is
  // exact), keeping full extended precision.
  constexpr long double kPio2Hi = 1.5707963267949480723473243415355682373046875L;  // 44 bits
  constexpr long double kPio2Lo = -5.14531160026498958167952061028003124470895125277e-14L;
  constexpr long double kHalfPi = 1.57079632679489661923132169163975144L;
  if (std::fabs(angle) > kHalfPi / 2 && std::fabs(angle) < 1e5L) {
    const std::int64_t k = std::llrint(angle / kHalfPi);
    const long double r = (angle - k * kPio2Hi) - k * kPio2Lo;
    const long double s = std::sin(r), c = std::cos(r);
    switch (k & 3) {
      case 0:
        sin = s, cos = c;
        break;
      case 1:
        sin = c, cos = -s;
        break;
      case 2:
        sin = -s, cos = -c;
        break;
      default:
        sin = -c, cos = s;
    }
    return;
  }
  sin = std::sin(angle);
  cos = std::cos(angle);
}

long double ArcTan2(long double y, long double x) { return std::atan2(y, x); }

long double ArcSin(long double x) {
  // Rounding can carry |x| a hair above 1 at the poles; keep the root real.
  const long double rest = 1.0L - x * x;
  return ArcTan2(x, rest > 0 ? std::sqrt(rest) : 0.0L);
}

long double Hypot(long double a, long double b) {
  a = std::fabs(a);
  b = std::fabs(b);
  if (a < b) std::swap(a, b);
  if (b != 0) {
    const long double r = b / a;
    return a * std::sqrt(r * r + 1.0L);
  }
  return a;
}

}  // namespace meridex
