#include "python/PythonLayers.h"

#include <charconv>

#include "core/range/Stack.h"
#include "core/report/RangeReports.h"
#include "core/nuclides/Nuclides.h"
#include "core/units/QuantityText.h"
#include "python/ModuleCatalog.h"
#include "python/PythonRefusal.h"

namespace alphastop::python {
namespace {

namespace py = pybind11;

// A number as the stack reads it back exactly: the shortest text that round-trips.
std::string ExactText(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// A number or a text as the text the stack takes.
std::string TextOf(const py::handle& value, const char* what) {
  if (py::isinstance<py::str>(value)) return value.cast<std::string>();
  if (PyNumber_Check(value.ptr()) == 0 || PySequence_Check(value.ptr()) != 0)
    throw py::type_error(std::string(what) + " must be a number or a text, not " +
                         std::string(py::str(py::type::handle_of(value).attr("__name__"))));
  return ExactText(value.cast<double>());
}

// The stack takes energies as ParseEnergy reads them; a nuclide's name gives its principal
// line, as everywhere an energy is typed.
std::string EnergyText(const py::handle& energy) {
  const std::string text = TextOf(energy, "energy");
  if (!LooksLikeNuclide(text)) return text;
  return ExactText(Accept(ParseEnergyOrNuclide(text)));
}

LayerInput LayerOf(const py::handle& layer) {
  const auto pair = py::reinterpret_borrow<py::sequence>(layer);
  if (!py::isinstance<py::sequence>(layer) || py::isinstance<py::str>(layer) || pair.size() != 2)
    throw py::type_error("a layer is a pair (material, thickness), e.g. (\"Silicon\", \"30um\")");
  if (!py::isinstance<py::str>(pair[0]))
    throw py::type_error("a layer's material is a text, e.g. \"Silicon\"");
  return {pair[0].cast<std::string>(), TextOf(pair[1], "a layer's thickness")};
}

py::object ValueOf(const ReportCell& cell) {
  return std::visit(
      [](const auto& value) -> py::object {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::monostate>)
          return py::none();
        else
          return py::cast(value);
      },
      cell);
}

}  // namespace

py::list Layers(const ValueIn& energy, const LayersIn& layers, const ValueIn& angle,
                const std::optional<std::filesystem::path>& data) {
  StackInput input{
      .energy = EnergyText(energy.object), .layers = {}, .angle = TextOf(angle.object, "angle")};
  for (const py::handle layer : py::iter(layers.object)) input.layers.push_back(LayerOf(layer));

  MaterialCache cache(ModuleCatalog(data));
  StackResult stack;
  {
    py::gil_scoped_release unlocked;
    stack = EvaluateStack(input, cache);
  }
  if (stack.energyRefusal) throw RefusalError(*stack.energyRefusal);
  if (stack.angleRefusal) throw RefusalError(*stack.angleRefusal);
  if (!stack.energy) Accept(ParseEnergy(input.energy));  // a blank energy, refused as typed
  for (std::size_t k = 0; k < stack.layers.size(); ++k)
    if (const auto& no = stack.layers[k].refusal) {
      // An unknown or unreadable material says so itself; other faults name the layer given.
      const LayerInput& given = input.layers[k];
      throw RefusalError(stack.layers[k].material.empty()
                             ? *no
                             : Prefixed("layer " + std::to_string(k + 1) + " (" +
                                            Quote(given.material) + ", " + Quote(given.thickness) +
                                            "): ",
                                        *no));
    }

  const std::vector<ReportColumn> columns = LayerColumns();
  py::list rows;
  for (const ReportRow& row : LayerRows(stack)) {
    py::dict fields;
    for (std::size_t c = 0; c < columns.size(); ++c)
      fields[columns[c].key.c_str()] = ValueOf(row[c]);
    rows.append(std::move(fields));
  }
  return rows;
}

}  // namespace alphastop::python
