#include "widgets/es_settings.h"

namespace meridex {

EsStep ShadeStep(TEsShadeDirection direction) {
  switch (direction) {
    case TEsShadeDirection::sdNone:
      return {0, 0};
    case TEsShadeDirection::sdUp:
      return {0, -1};
    case TEsShadeDirection::sdUpRight:
      return {1, -1};
    case TEsShadeDirection::sdRight:
      return {1, 0};
    case TEsShadeDirection::sdDownRight:
      return {1, 1};
    case TEsShadeDirection::sdDown:
      return {0, 1};
    case TEsShadeDirection::sdDownLeft:
      return {-1, 1};
    case TEsShadeDirection::sdLeft:
      return {-1, 0};
    case TEsShadeDirection::sdUpLeft:
      return {-1, -1};
  }
  return {0, 0};
}

}  // namespace meridex
