// The Python module alphastop: the calculator's tables and lookups for scripts and
// notebooks, over the same core as the window and alphastop-calc.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "core/Version.h"
#include "python/ModuleCatalog.h"
#include "python/PythonLayers.h"
#include "python/PythonMaterial.h"
#include "python/PythonRefusal.h"

namespace {

namespace py = pybind11;
using namespace pybind11::literals;
using alphastop::python::PythonMaterial;

constexpr const char* ModuleDoc =
    R"(Stopping powers and ranges of alpha particles (helium ions) in matter.

The tables and lookups of the AlphaStop calculator, the same as its window and
alphastop-calc give them:

    import alphastop, numpy as np
    alphastop.materials()                  # the names of the tables found
    m = alphastop.Material("Silicon")      # a table, loaded once
    m.stopping(5.5)                        # (electronic, nuclear, total) in MeV cm2/g
    m.csda_range(np.linspace(1, 8, 50))    # g/cm2, an array of the same shape
    m.energy_from_range("30um")            # MeV
    alphastop.layers(5.486, [("Mylar", "6um"), ("Silicon", "300um")])

Units: energies in MeV, stopping powers in MeV cm2/g, ranges and thicknesses in
g/cm2, densities in g/cm3, lengths in um.

A single value may also be a text with its unit, as the calculator takes it: an
energy "800keV", "5.5 MeV", "1GeV" or an alpha emitter's name for its principal
line ("Am-241"); a range "30um", "2mg/cm2", "0.1 g/cm2" (a length needs the
material's density; a bare number is g/cm2). A number or a text gives a float;
an array of any shape gives an array of that shape, worked out in C++ without
holding the interpreter's lock.

Faults raise ValueError for bad input (an unknown material, a text that is not
a quantity, an energy outside the table's energies) and OSError for a table that
cannot be read, with the calculator's message naming the text at fault. Nothing
is printed.

Tables are found as the programs find them: in the folder given as data=, else
in the one the environment variable ALPHASTOP_DATA names, else in the working
folder when it holds as/ or asc/, else among the tables installed with the
module; the user's own materials ($XDG_DATA_HOME/alphastop/asc) besides.)";

constexpr const char* MaterialsDoc =
    R"(The names of the tables found, as `alphastop-calc materials` lists them.

data: a folder holding as/ and asc/, as the calculator's --data (None: the folder
found as the module's help says). Each name is one Material() takes: the shipped
tables (elements, then compounds and mixtures), then the user's own. Raises
ValueError for a data folder that cannot be used, OSError where no tables are
found at all.)";

constexpr const char* MaterialDoc = R"(A material's table, loaded once.

material: a table's name ("Silicon", "water liquid": letter case aside), a word of
its name or title ("Mylar"), a common name ("PET", "PMMA"), a path to a table
file, or a material written out, computed in memory and never saved:
"formula=C10H8O4,density=1.397[,ivalue=78.7][,gas][,name=Mylar]" (or
"weights=1:0.11,8:0.89", "atoms=H:2,O:1" in place of formula=).
data: a folder holding as/ and asc/, as the calculator's --data.

Raises ValueError for an unknown or ambiguous name or a faulty written-out
material, OSError for a table that cannot be read (the window's message).)";

constexpr const char* StoppingDoc =
    R"(The stopping powers at energy: (electronic, nuclear, total) in MeV cm2/g.

energy: MeV as a number or an array of any shape, or one energy as a text
("800keV", "Am-241"). Interpolated on log-log axes between the two table rows
around it, each column on its own (the total is not the sum of the other two).
An energy outside the table's (0.001 to 1000 MeV for the shipped tables) raises
ValueError, naming it.)";

constexpr const char* CsdaRangeDoc =
    R"(The CSDA range at energy, in g/cm2: the path length in the continuous-slowing-down approximation.

energy: MeV as a number or an array of any shape, or one energy as a text.
Divide by .density (g/cm3) for cm. An energy outside the table's raises
ValueError.)";

constexpr const char* ProjectedRangeDoc =
    R"(The projected range at energy, in g/cm2: the mean depth along the direction of incidence.

energy: MeV as a number or an array of any shape, or one energy as a text.
An energy outside the table's raises ValueError.)";

constexpr const char* EnergyFromRangeDoc =
    R"(The energy in MeV whose CSDA range is range: the inverse of csda_range.

range: g/cm2 as a number or an array of any shape, or one range as a text
("30um", "2mg/cm2"; a length needs the material's density). A range outside the
table's raises ValueError.)";

constexpr const char* LayersDoc =
    R"(The energy of an alpha particle through layers of matter, as `alphastop-calc layers` gives it.

energy: MeV entering the first layer, a number or a text ("5.486", "5.5MeV",
"Am-241"). layers: (material, thickness) pairs in the order the particle meets
them; material as Material() takes it, thickness a text ("6um", "2cm",
"1.5mg/cm2"; a length needs the material's density) or a number in g/cm2.
angle: of incidence, degrees from the normal of the layers (0 to below 90), a
number or a text ("30", "30deg"); each layer's path is its thickness / cos(angle).
data: a folder holding as/ and asc/, as the calculator's --data.

Returns one dict per layer the particle reaches, up to the one it stops in, with
the calculator's fields: layer (1, 2...), material, thickness_g_cm2,
thickness_um, energy_in_MeV, energy_out_MeV, stopped_at_um (None where it
crosses), energy_lost_MeV, straggling_fwhm_keV (the spread of the energy leaving
the layer, the layers before included); lengths in um are None where the table
gives no density. Raises ValueError or OSError with the first fault.)";

}  // namespace

PYBIND11_MODULE(alphastop, m) {
  alphastop::python::RegisterRefusalTranslator();
  m.doc() = ModuleDoc;
  m.attr("__version__") = alphastop::ApplicationVersion;

  m.def(
      "materials",
      [](const std::optional<std::filesystem::path>& data) {
        const alphastop::MaterialCatalog catalog = alphastop::python::ModuleCatalog(data);
        if (catalog.entries.empty())
          throw alphastop::python::RefusalError(
              catalog.dataError
                  ? *catalog.dataError
                  : alphastop::Refusal{"no tables found in " + alphastop::PlacesLookedIn(catalog),
                                       alphastop::RefusalKind::Unreadable});
        py::list names;
        for (const alphastop::CatalogEntry& entry : catalog.entries) names.append(entry.name);
        return names;
      },
      MaterialsDoc, "data"_a = py::none());

  py::class_<PythonMaterial>(m, "Material", MaterialDoc)
      .def(py::init<const std::string&, const std::optional<std::filesystem::path>&>(),
           "material"_a, "data"_a = py::none())
      .def_property_readonly(
          "name", [](const PythonMaterial& p) { return p.Loaded().name; },
          "The table's name in the catalog (\"Silicon\" for \"silicon\"), the path given, or a "
          "written-out material's name.")
      .def_property_readonly(
          "title", [](const PythonMaterial& p) { return p.Loaded().table.MaterialTitle; },
          "The table's title (its line 2).")
      .def_property_readonly(
          "density", [](const PythonMaterial& p) { return p.Loaded().table.density; },
          "The density in g/cm3 the table gives, or None where it gives none.")
      .def_property_readonly(
          "path", [](const PythonMaterial& p) { return p.Loaded().path; },
          "The table file read; \"\" for a material written out, computed in memory.")
      .def("stopping", &PythonMaterial::Stopping, StoppingDoc, "energy"_a)
      .def("csda_range", &PythonMaterial::CsdaRange, CsdaRangeDoc, "energy"_a)
      .def("projected_range", &PythonMaterial::ProjectedRange, ProjectedRangeDoc, "energy"_a)
      .def("energy_from_range", &PythonMaterial::EnergyFromRange, EnergyFromRangeDoc, "range"_a)
      .def("__repr__", [](const PythonMaterial& p) {
        return "alphastop.Material(" + std::string(py::repr(py::str(p.Loaded().name))) + ")";
      });

  m.def("layers", &alphastop::python::Layers, LayersDoc, "energy"_a, "layers"_a, "angle"_a = 0.0,
        "data"_a = py::none());
}
