"""The Python module against the calculator it shares its core with (alphastop-calc)."""

import json
import os
import subprocess

import numpy as np
import pytest

import alphastop

CALC = os.environ["ALPHASTOP_CALC"]
WRITTEN_OUT = "formula=C10H8O4,density=1.397,name=PET"
STOPPING = ("electronic_MeV_cm2_g", "nuclear_MeV_cm2_g", "total_MeV_cm2_g")


def calc(*args):
    """The calculator's JSON answer, or its message (without its name) where it refuses."""
    run = subprocess.run([CALC, "--format", "json", *args], capture_output=True, text=True)
    if run.returncode:
        return run.returncode, run.stderr.strip().removeprefix("alphastop-calc: ")
    return 0, json.loads(run.stdout)


@pytest.mark.parametrize("material", ["Silicon", "Water_liquid", WRITTEN_OUT])
def test_values_are_the_calculators(material):
    energies = ["0.001", "0.8", "5.5", "800keV", "1GeV"]
    _, stopping = calc("stopping", material, *energies)
    m = alphastop.Material(material)
    assert (m.title, m.density) == (stopping["title"], stopping["density_g_cm3"])
    for text, row in zip(energies, stopping["rows"]):
        assert m.stopping(text) == pytest.approx([row[k] for k in STOPPING], rel=1e-14)
        assert m.csda_range(text) == pytest.approx(row["csda_range_g_cm2"], rel=1e-14)
        assert m.projected_range(text) == pytest.approx(row["projected_range_g_cm2"], rel=1e-14)
    _, energy = calc("energy", material, "30um", "2mg/cm2")
    for text, row in zip(["30um", "2mg/cm2"], energy["rows"]):
        assert m.energy_from_range(text) == pytest.approx(row["energy_MeV"], rel=1e-14)


def test_layers_are_the_calculators():
    layers = [("Mylar", "6um"), ("Air_dry_near_sea_level", "2cm"), (WRITTEN_OUT, 0.0005),
              ("Silicon", "300um")]
    _, expected = calc("layers", "5.5", *[f"{m}:{t}" for m, t in layers])
    rows = alphastop.layers("5.5MeV", layers)
    assert [row.keys() for row in rows] == [row.keys() for row in expected["rows"]]
    assert rows == [pytest.approx(row, rel=1e-14) for row in expected["rows"]]
    assert rows[-1]["energy_out_MeV"] == 0 and rows[-1]["stopped_at_um"] > 0


def test_arrays_keep_their_shape_and_each_value():
    m = alphastop.Material("Silicon")
    for energies in [np.geomspace(0.01, 100, 12).reshape(3, 4), np.array(5.5), np.zeros((2, 0))]:
        electronic, nuclear, total = m.stopping(energies)
        ranges = m.csda_range(energies)
        assert electronic.shape == nuclear.shape == total.shape == ranges.shape == energies.shape
        for index, energy in np.ndenumerate(energies):
            assert (electronic[index], nuclear[index], total[index]) == m.stopping(float(energy))
            assert ranges[index] == m.csda_range(float(energy))
    assert m.projected_range([1, 2]).shape == (2,)


def test_energy_from_range_undoes_csda_range():
    m = alphastop.Material("Gold")
    energies = np.geomspace(0.001, 1000, 10001)
    assert m.energy_from_range(m.csda_range(energies)) == pytest.approx(energies, rel=1e-12)


def test_a_nuclide_stands_for_its_principal_line():
    # Am-241 emits its strongest alpha line at 5485.56 keV (ENSDF).
    m = alphastop.Material("Silicon")
    assert m.csda_range("Am-241") == m.csda_range(5.48556)
    silicon = [("Silicon", "10um")]
    assert alphastop.layers("am241", silicon) == alphastop.layers(5.48556, silicon)
    # At 60 degrees the path through each layer is twice its thickness.
    tilted = alphastop.layers("Am-241", [("Silicon", "5um")], angle=60)
    assert tilted[0]["energy_out_MeV"] == pytest.approx(
        alphastop.layers("Am-241", [("Silicon", "10um")])[0]["energy_out_MeV"], rel=1e-9)


@pytest.mark.parametrize("args", [
    ("stopping", "Silicon", "5 furlongs"), ("stopping", "Silicon", "2000"),
    ("energy", "Silicon", "-3um"), ("energy", "Silicon", "1e9 m"), ("stopping", "glass", "5")])
def test_bad_input_raises_the_calculators_message(args):
    status, message = calc(*args)
    assert status == 2
    with pytest.raises(ValueError) as raised:
        m = alphastop.Material(args[1])
        (m.stopping if args[0] == "stopping" else m.energy_from_range)(args[2])
    assert str(raised.value) == message


def test_faults_name_what_is_at_fault(tmp_path):
    silicon = alphastop.Material("Silicon")
    damaged = tmp_path / "Damaged.as"
    damaged.write_text("a title\nnot a table\n")
    for call, error, named in [
        (lambda: alphastop.Material("Silicn"), ValueError, '"Silicn"'),
        (lambda: silicon.stopping(np.array([[1.0, 2.0], [3.0, 1e4]])), ValueError,
         "energy[1, 1]: 10000 MeV"),
        (lambda: silicon.energy_from_range([1e-3, -1]), ValueError, "range[1]: "),
        (lambda: alphastop.layers(5.5, [("Silicon", "3xx")]), ValueError, '"3xx"'),
        (lambda: alphastop.layers(5.5, [("Silicon", "3um")], angle=90), ValueError, '"90"'),
        (lambda: alphastop.Material("Silicon", data=tmp_path / "none"), ValueError,
         'none" given by data='),
        (lambda: alphastop.Material(str(damaged)), OSError, str(damaged)),
        (lambda: silicon.stopping(1 + 2j), TypeError, "complex"),
    ]:
        with pytest.raises(error) as raised:
            call()
        assert named in str(raised.value)


def test_materials_are_the_calculators():
    _, listed = calc("materials")
    assert alphastop.materials() == [os.path.splitext(row["file"])[0] for row in listed["rows"]]
