#pragma once

#include <array>

#include "convert/catalogue.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace meridex {

// The controls of one tab sheet of the conversion window.
struct ConvertPage {
  QWidget* sheet = nullptr;
  QGroupBox* english = nullptr;
  QGroupBox* metric = nullptr;
  QPushButton* convertButton = nullptr;
  QLabel* caption = nullptr;
};

// The edit fields by index 1..46 (element 0 unused).
using ConvertFieldArray = std::array<QLineEdit*, kFieldCount + 1>;

// Builds the five tab sheets with their groups, captions, fields, arrows and
// "Convert" buttons into `tabs`, in category order. Geometry is given for 96
// pixels per inch and multiplied by `scale`.
std::array<ConvertPage, kCategoryCount> BuildConvertPages(QTabWidget& tabs,
                                                          ConvertFieldArray& fields, double scale);

}  // namespace meridex
