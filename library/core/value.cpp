#include "value.h"

#include <cmath>

namespace pelmar {
namespace {

std::optional<int32_t> FromDouble(double number) {
  if (!std::isfinite(number)) return std::nullopt;
  const double rounded = std::nearbyint(number);  // the default mode rounds halves to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

}  // namespace

std::optional<int32_t> ToLong(const Value& value) {
  struct Visitor {
    std::optional<int32_t> operator()(std::monostate) const { return 0; }
    std::optional<int32_t> operator()(NullValue) const { return std::nullopt; }
    std::optional<int32_t> operator()(bool flag) const { return flag ? -1 : 0; }
    std::optional<int32_t> operator()(int64_t number) const {
      if (number < INT32_MIN || number > INT32_MAX) return std::nullopt;
      return static_cast<int32_t>(number);
    }
    std::optional<int32_t> operator()(double number) const { return FromDouble(number); }
    // Strings are stored as strings, never converted.
    std::optional<int32_t> operator()(const std::string&) const { return std::nullopt; }
    std::optional<int32_t> operator()(OpaqueValue) const { return std::nullopt; }
  };
  return std::visit(Visitor{}, value);
}

}  // namespace pelmar
