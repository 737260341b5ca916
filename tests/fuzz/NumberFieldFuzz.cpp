// Arbitrary text as a field of a data row: a field is taken only when it is a plain finite
// decimal number, with the value the C library reads from it; anything else is refused
// with a reason that quotes it.

#include <cerrno>
#include <variant>

#include "FuzzCheck.h"
#include "core/data/NumberField.h"
#include "core/data/TextEncoding.h"

using alphastop::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 256) return 0;  // fields are kept to 64 bytes; longer ones add nothing
  const std::string field(reinterpret_cast<const char*>(data), size);
  const auto parsed = alphastop::ParseNumberField(field);
  static const std::regex decimal(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
  const bool plain = field.find('\0') == std::string::npos && std::regex_match(field, decimal);
  errno = 0;
  const double expected = plain ? std::strtod(field.c_str(), nullptr) : 0;
  const bool representable = plain && errno != ERANGE && std::isfinite(expected);

  if (const double* value = std::get_if<double>(&parsed)) {
    Require(plain, "only a plain decimal number is taken", field);
    Require(std::isfinite(*value), "a number taken is finite", field);
    Require(!representable || *value == expected, "the value is the C library's", field);
  } else {
    Require(!representable, "a plain finite number is taken", field);
    Require(field.empty() || std::get<alphastop::Refusal>(parsed).message.find(
                                 '"' + alphastop::PrintableText(field) + '"') != std::string::npos,
            "the reason quotes the field", field);
  }
  return 0;
}
