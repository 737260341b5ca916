#pragma once
// A stack saved to a file, for the range window's Save stack... and Open stack... and the
// calculator's layers --stack: JSON, the texts as the user typed them.
//   {
//     "energy": "Am-241",
//     "angle": "30",
//     "layers": [
//       {"material": "Mylar", "thickness": "6um"},
//       {"material": "Air_dry_near_sea_level", "thickness": "2cm",
//        "pressure": "20 mbar", "temperature": "25 C"},
//       {"material": "Silicon", "thickness": "300um", "density": "2.2"}
//     ]
//   }
// "layers" is required, each layer's "material" and "thickness" too; the rest may be left
// out. A value is a text as the window's boxes take it, or a number, which reads as the
// same number typed (an energy in MeV, a thickness in g/cm2).

#include <string>
#include <string_view>

#include "core/range/Stack.h"
#include "core/units/Checked.h"

namespace alphastop {

// The largest stack file read: far beyond any stack typed.
inline constexpr std::size_t MaxStackFileBytes = 1 << 20;

// The file's text for input: the texts as they are, the empty ones left out.
std::string StackFileText(const StackInput& input);

// The stack of a file's text. Refused (RefusalKind::Unreadable), saying what is wrong: text
// that is not JSON (with its line and column), a value not where the form above puts it,
// a key it does not know (a misspelt "pressure" would be lost silently otherwise).
Checked<StackInput> ParseStackFile(std::string_view text);

// The stack of the file at path: ParseStackFile of its bytes. Refused (Unreadable) with a
// warning of two lines naming the file: "The file \"x\" cannot be read.\nLayer 2: ...".
Checked<StackInput> ReadStackFile(const std::string& path);

}  // namespace alphastop
