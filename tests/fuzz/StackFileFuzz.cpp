// Arbitrary bytes as a stack file: refused as unreadable with a message, or read as a stack
// that, written out again, reads back as the same stack.

#include <algorithm>

#include "FuzzCheck.h"
#include "core/range/StackFile.h"

using namespace alphastop;
using alphastop::fuzz::Require;

namespace {

bool Same(const StackInput& a, const StackInput& b) {
  const auto sameLayer = [](const LayerInput& x, const LayerInput& y) {
    return x.material == y.material && x.thickness == y.thickness && x.pressure == y.pressure &&
           x.temperature == y.temperature && x.density == y.density;
  };
  return a.energy == b.energy && a.angle == b.angle &&
         std::ranges::equal(a.layers, b.layers, sameLayer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Checked<StackInput> read = ParseStackFile(text);
  if (const Refusal* no = Refused(read)) {
    Require(!no->message.empty() && no->kind == RefusalKind::Unreadable,
            "a damaged stack file is refused as unreadable, saying why", text);
    return 0;
  }
  const Checked<StackInput> again = ParseStackFile(StackFileText(*ValueOf(read)));
  Require(ValueOf(again) && Same(*ValueOf(again), *ValueOf(read)),
          "a stack written out reads back as the same stack", text);
  return 0;
}
