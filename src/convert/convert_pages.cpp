#include "convert/convert_pages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "widgets/es_label.h"

namespace meridex {

namespace {

// One side of a row: nothing, a caption with its field, or the two small
// captions and fields of a pair.
struct Cell {
  const char* caption = nullptr;
  int field = 0;
  const char* secondCaption = nullptr;
  int secondField = 0;
};

struct Row {
  Cell english;
  Cell metric;
  bool arrow = false;
};

struct PageLayout {
  Category category;
  const char* title;  // the large caption at the bottom
  const char* arrow;  // text of the arrow labels
  std::vector<Row> rows;
};

constexpr Cell None{};
constexpr Cell Unit(const char* caption, int field) { return {caption, field, nullptr, 0}; }
constexpr Cell Pair(const char* first, int firstField, const char* second, int secondField) {
  return {first, firstField, second, secondField};
}
Row Facing(Cell english, Cell metric) { return {english, metric, true}; }
Row Alone(Cell english, Cell metric) { return {english, metric, false}; }

// Rows top to bottom; units that correspond sit on the same row with an
// arrow between them, the others leave a gap on the other side.
const std::vector<PageLayout>& PageLayouts() {
  static const std::vector<PageLayout> layouts{
      {Category::ctTemperature,
       "Temperature",
       "<--->",
       {Facing(Unit("Fahrenheit", 1), Unit("Celsius", 2)), Alone(None, Unit("Kelvin", 3))}},
      {Category::ctWeight,
       "Weight",
       "<--->",
       {Alone(None, Unit("Microgram", 7)), Alone(None, Unit("Milligram", 8)),
        Facing(Unit("Ounce", 4), Unit("Gram", 9)), Facing(Unit("Pound", 5), Unit("Kilogram", 10)),
        Alone(Pair("Pound", 45, "Ounce", 46), None),
        Facing(Unit("Ton (short)", 6), Unit("Ton (metric)", 11))}},
      {Category::ctVolume,
       "Volume",
       " <--->",
       {Facing(Unit("Teaspoon", 12), Unit("Microliter", 19)), Alone(Unit("Tablespoon", 13), None),
        Facing(Unit("Ounce", 14), Unit("Milliliter", 20)),
        Facing(Unit("Cup", 15), Unit("Centiliter", 21)),
        Facing(Unit("Quart", 16), Unit("Liter", 22)), Alone(Unit("Gallon", 17), None),
        Facing(Unit("Acre Feet", 18), Unit("Cubic Meter", 23))}},
      {Category::ctArea,
       "Area",
       " <--->",
       {Alone(None, Unit("Square mm", 40)), Facing(Unit("Square Inch", 35), Unit("Square cm", 41)),
        Alone(Unit("Square Feet", 36), None),
        Facing(Unit("Square Yard", 37), Unit("Square Meter", 42)),
        Facing(Unit("Acre", 38), Unit("Hectare", 43)),
        Facing(Unit("Square Mile", 39), Unit("Square km", 44))}},
      {Category::ctLinear,
       "Linear Distance",
       " <--->",
       {Alone(None, Unit("Micron", 28)), Facing(Unit("Inch", 24), Unit("Millimeter", 29)),
        Alone(Unit("Feet", 25), Unit("Centimeter", 30)),
        Alone(Pair("Feet", 33, "Inches", 34), None), Facing(Unit("Yard", 26), Unit("Meter", 31)),
        Facing(Unit("Mile", 27), Unit("Kilometer", 32))}},
  };
  return layouts;
}

// Design geometry at 96 pixels per inch.
constexpr int kGroupWidth = 184;
constexpr int kEnglishX = 4;
constexpr int kMetricX = 212;
constexpr int kGroupTop = 2;
constexpr int kFirstRowY = 18;
constexpr int kRowPitch = 24;
constexpr int kRowHeight = 21;
constexpr int kBottomRowY = 200;

class Placer {
 public:
  explicit Placer(double scale) : scale_(scale) {}
  int operator()(int v) const { return static_cast<int>(std::lround(v * scale_)); }
  void place(QWidget* w, int x, int y, int width, int height) const {
    w->setGeometry((*this)(x), (*this)(y), (*this)(width), (*this)(height));
  }

 private:
  double scale_;
};

QLineEdit* MakeField(QWidget* parent, int field) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(UnitOfField(field).fieldName);
  edit->setProperty("field", field);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  edit->setPalette(palette);
  return edit;
}

QLabel* MakeCaption(QWidget* parent, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setIndent(3);
  return label;
}

QLabel* MakePairCaption(QWidget* parent, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  QFont font = label->font();
  font.setPointSize(7);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(128, 0, 128));
  label->setPalette(palette);
  return label;
}

void BuildCell(QGroupBox* group, const Cell& cell, int row, const Placer& at,
               ConvertFieldArray& fields) {
  if (cell.field == 0) return;
  const int y = kFirstRowY + row * kRowPitch;
  if (cell.secondField == 0) {
    at.place(MakeCaption(group, cell.caption), 6, y, 76, kRowHeight);
    fields[static_cast<std::size_t>(cell.field)] = MakeField(group, cell.field);
    at.place(fields[static_cast<std::size_t>(cell.field)], 84, y, 96, kRowHeight);
    return;
  }
  at.place(MakePairCaption(group, cell.caption), 6, y, 30, kRowHeight);
  fields[static_cast<std::size_t>(cell.field)] = MakeField(group, cell.field);
  at.place(fields[static_cast<std::size_t>(cell.field)], 36, y, 52, kRowHeight);
  at.place(MakePairCaption(group, cell.secondCaption), 92, y, 34, kRowHeight);
  fields[static_cast<std::size_t>(cell.secondField)] = MakeField(group, cell.secondField);
  at.place(fields[static_cast<std::size_t>(cell.secondField)], 126, y, 52, kRowHeight);
}

ConvertPage BuildPage(QTabWidget& tabs, const PageLayout& layout, int number, const Placer& at,
                      ConvertFieldArray& fields) {
  ConvertPage page;
  page.sheet = new QWidget;
  page.sheet->setObjectName(QString("TabSheet%1").arg(number));
  tabs.addTab(page.sheet, QString::fromStdString(CategoryCaption(layout.category)));

  const int rows = static_cast<int>(layout.rows.size());
  const int groupHeight = kFirstRowY + rows * kRowPitch + 4;
  page.english = new QGroupBox("English", page.sheet);
  page.metric = new QGroupBox("Metric", page.sheet);
  page.english->setObjectName(layout.category == Category::ctVolume
                                  ? QString("GroupBox4")
                                  : QString("EnglishGroup%1").arg(number));
  page.metric->setObjectName(QString("MetricGroup%1").arg(number));
  at.place(page.english, kEnglishX, kGroupTop, kGroupWidth, groupHeight);
  at.place(page.metric, kMetricX, kGroupTop, kGroupWidth, groupHeight);

  // English fields first so that Tab runs down the left column, then the right.
  for (int r = 0; r < rows; ++r) BuildCell(page.english, layout.rows[r].english, r, at, fields);
  for (int r = 0; r < rows; ++r) BuildCell(page.metric, layout.rows[r].metric, r, at, fields);
  for (int r = 0; r < rows; ++r) {
    if (!layout.rows[r].arrow) continue;
    auto* arrow = new QLabel(QString::fromLatin1(layout.arrow), page.sheet);
    arrow->setAlignment(Qt::AlignCenter);
    at.place(arrow, kEnglishX + kGroupWidth, kGroupTop + kFirstRowY + r * kRowPitch,
             kMetricX - kEnglishX - kGroupWidth, kRowHeight);
  }

  page.convertButton = new QPushButton(
      page.sheet->style()->standardIcon(QStyle::SP_DialogApplyButton), "Convert", page.sheet);
  page.convertButton->setToolTip("Converts input ");
  page.convertButton->setFocusPolicy(Qt::NoFocus);
  page.convertButton->setDefault(true);
  at.place(page.convertButton, 8, kBottomRowY + 4, 84, 26);

  // Raised in the default scheme, with blue letters.
  auto* caption = new TEsLabel(QString::fromLatin1(layout.title), page.sheet);
  QFont font("Times New Roman");
  font.setPointSize(18);
  font.setBold(true);
  caption->setFont(font);
  caption->setFontColor(Qt::blue);
  caption->setAlignment(TEsAlignment::taCenter);
  at.place(caption, 100, kBottomRowY, 290, 34);
  // Where the fonts grow faster than the window, the caption grows downwards
  // rather than lose its descenders and shadow.
  caption->resize(caption->width(), std::max(caption->height(), caption->sizeHint().height()));
  page.caption = caption;
  return page;
}

}  // namespace

std::array<ConvertPage, kCategoryCount> BuildConvertPages(QTabWidget& tabs,
                                                          ConvertFieldArray& fields, double scale) {
  const Placer at(scale);
  std::array<ConvertPage, kCategoryCount> pages;
  int number = 1;
  for (const PageLayout& layout : PageLayouts()) {
    pages[static_cast<std::size_t>(number - 1)] = BuildPage(tabs, layout, number, at, fields);
    ++number;
  }
  return pages;
}

}  // namespace meridex
