#!/usr/bin/env python3
"""Writes the damaged data files of this folder from one made-up, well-formed table.

The files are committed; run this only to change them, then check expected.tsv.
Cases too large or too odd to commit (a line of 10 MB, a folder, a vanishing or
unreadable file) are made by the tests at run time.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def good_lines(title="DAMAGED SAMPLE"):
    lines = ["Made-up table for damaged-file tests", title, "Density 1.000E+00 g/cm3",
             "composition", "1: 1.000000", "", "Kinetic   Electron.", "energy    stopping",
             "MeV       MeV cm2/g", ""]
    for r in range(1, 123):
        energy = 1e-3 * 1.13 ** (r - 1)
        electronic, nuclear = 100.0 + r, 1.0 / r
        numbers = [energy, electronic, nuclear, electronic + nuclear, 1e-3 * r, 0.9e-3 * r, 0.9]
        lines.append(" ".join("%.3E" % n for n in numbers))
    return lines


def join(lines, end="\r\n"):
    return "".join(line + end for line in lines)


def with_field(lines, index, field, value):
    """lines with field number `field` (0-based) of line `index` replaced by `value`."""
    out = list(lines)
    fields = out[index].split(" ")
    fields[field] = value
    out[index] = " ".join(fields)
    return out


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("latin-1"))


def main():
    good = good_lines()
    row15 = 14  # index of line 15, row 5
    write("empty.as", "")
    write("only-title.as", "Made-up table\r\nONLY A TITLE\r\n")
    write("ends-mid-block.as", join(good[:60]))
    write("ends-mid-number.as", join(good[:60]) + good[60][:16])
    write("ends-mid-row.asc", join(good[:60]) + good[60][:30])
    write("overflow.as", join(with_field(good, row15, 1, "1.0E+999")))
    write("underflow.as", join(with_field(good, row15, 4, "1.0E-999")))
    write("nan.as", join(with_field(good, row15, 1, "nan")))
    write("inf.as", join(with_field(good, row15, 3, "inf")))
    write("minus-zero-energy.as", join(with_field(good, row15, 0, "-0")))
    write("minus-zero-range.as", join(with_field(good, row15, 4, "-0")))
    write("double-point.as", join(with_field(good, row15, 1, "1..2")))
    write("dangling-exponent.as", join(with_field(good, row15, 2, "1e")))
    write("hex-number.as", join(with_field(good, row15, 1, "0x1A")))
    write("decimal-comma.as", join(with_field(good, row15, 1, "1;5")))
    write("repeated-energy.as", join(with_field(good, row15, 0, good[row15 - 1].split(" ")[0])))
    write("descending-energy.as", join(with_field(good, row15, 0, "1.000E-03")))
    write("zero-stopping-power.as", join(with_field(good, row15, 1, "0.000E+00")))
    write("negative-stopping-power.asc", join(with_field(good, row15, 3, "-1.050E+02")))
    write("negative-nuclear.as", join(with_field(good, 130, 2, "-1.0E-02")))
    six = list(good)
    six[row15] = " ".join(good[row15].split(" ")[:6])
    six[row15 + 1] = good[row15 + 1] + " 9.000E-01"
    write("six-then-eight-numbers.as", join(six))
    write("six-numbers.as", join([line if i != row15 else " ".join(line.split(" ")[:6])
                                  for i, line in enumerate(good)]))
    crammed = good[:10] + [" ".join(good[i:i + 2]) for i in range(10, 132, 2)]
    write("two-rows-a-line.as", join(crammed))
    write("empty-field.as", join(good[:14] + [good[row15].replace(" ", ",,", 1)] + good[15:]))
    write("zero-energy.as", join(with_field(good, 10, 0, "0")))
    write("utf16le.as", b"\xff\xfe" + join(good).encode("utf-16-le"))
    write("utf16be.asc", b"\xfe\xff" + join(good).encode("utf-16-be"))
    write("utf16le-no-mark.as", join(good).encode("utf-16-le"))
    write("utf8-bom.as", b"\xef\xbb\xbf" + join(good_lines("WATER, LIQUID \xb5")).encode("utf-8"))
    write("latin1-title.as", join(good_lines("POLY\xc4THYLEN")))
    write("nul-in-block.as", join(good[:14]) + "\0\0\0\0 \x01\x02\x03" + join(good[15:]))
    # Bytes of a compressed or binary file: every byte value, scrambled but reproducible.
    noise, x = bytearray(), 12345
    for _ in range(4096):
        x = (1103515245 * x + 12345) % 2 ** 31
        noise.append(x >> 16 & 0xFF)
    write("binary.as", bytes(noise))
    write("binary-block.as", join(good[:10]).encode() + bytes(noise))
    write("lf-lines-cr-block.as", join(good[:10], "\n") + join(good[10:], "\r"))
    write("cr-lines.as", join(good, "\r"))
    write("one-line.as", "only line\n")
    write("nul-in-title.as", "first\nTI\0TLE\n" + join(good[2:]))
    write("trailing-garbage.as", join(good) + "end of table\r\n\x00\xff garbage 1..2 nan\r\n")
    write("eight-numbers-last-row.as", join(good[:-1]) + good[-1] + " 1..2\r\n")


if __name__ == "__main__":
    main()
