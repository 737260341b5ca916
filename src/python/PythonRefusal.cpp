#include "python/PythonRefusal.h"

#include <pybind11/pybind11.h>

namespace alphastop::python {

Refusal Prefixed(const std::string& prefix, const Refusal& refusal) {
  return Refusal{prefix + refusal.message, refusal.kind, refusal.line};
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

void RegisterRefusalTranslator() {
  pybind11::register_exception_translator([](std::exception_ptr raised) {
    try {
      if (raised) std::rethrow_exception(raised);
    } catch (const RefusalError& e) {
      PyErr_SetString(e.Kind() == RefusalKind::Unreadable ? PyExc_OSError : PyExc_ValueError,
                      e.what());
    }
  });
}

}  // namespace alphastop::python
