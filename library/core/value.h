// An automation value as the registry members see it, and its conversion to a
// 32-bit number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace pelmar {

struct NullValue {
  bool operator==(const NullValue&) const = default;
};
// An object, an array or any other value that no conversion accepts.
struct OpaqueValue {
  bool operator==(const OpaqueValue&) const = default;
};

// Empty, Null, Boolean, an integer kind, a floating kind (dates included),
// a string, or something else.
using Value =
    std::variant<std::monostate, NullValue, bool, int64_t, double, std::string, OpaqueValue>;

// The automation conversion to a 32-bit signed integer: fractions to the
// nearest integer, halves to the even neighbour, True is -1, Empty is 0.
// Null, out-of-range values, strings, objects and arrays give nothing.
std::optional<int32_t> ToLong(const Value& value);

}  // namespace pelmar
