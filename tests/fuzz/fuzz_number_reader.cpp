// libFuzzer target: any text typed into a field of the conversion window.
// The first byte picks the field; the rest is its text. Reading must give a
// number or a clear error, and converting it must fill the category's fields
// or report an overflow, never crash or read out of bounds.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/errors.h"
#include "common/number_format.h"
#include "convert/catalogue.h"
#include "convert/conversion_engine.h"

namespace {

using namespace meridex;

class Fields final : public ConversionFields {
 public:
  std::string text(int field) const override { return texts_[static_cast<std::size_t>(field)]; }
  void setText(int field, const std::string& text) override {
    texts_[static_cast<std::size_t>(field)] = text;
  }

 private:
  std::array<std::string, kFieldCount + 1> texts_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int field = 1 + data[0] % kFieldCount;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  long double value = 0;
  TryParseFloat(RemoveGrouping(text, ","), ".", value);
  TryParseFloat(RemoveGrouping(text, "."), ",", value);

  ConversionEngine engine;
  Fields fields;
  fields.setText(field, text);
  engine.SelectSource(field, fields);
  try {
    engine.Convert(UnitOfField(field).category, fields);
    engine.PrepareCopy(fields);
  } catch (const AppError&) {
    // Not a number, or a value too large for a field: told to the user.
  }
  return 0;
}
