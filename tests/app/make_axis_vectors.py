#!/usr/bin/env python3
"""Writes the reference vectors for the axis figures and the controller lines.

Exact rational arithmetic (fractions.Fraction) with every operation rounded to the 80-bit
extended format by the number text script's model of it (tests/common/numtext); the values a
controller stores are rounded to 32-bit floats and doubles from first principles and checked
with `struct`. No code of the program is used.

For each set-up: the main calculation (S = 360 / A, U = M S, Q = R1 / R2, X = U Q, D = X / 360),
then, each operation rounded:
  resolution   1 / D, 3600 / D; at radius r: (r (pi / 180)) / D mm, that / (254 / 10) in
  speed        f / D deg/s, x 60 deg/min, / 360 axis rpm, x Q motor rpm; wanted W: (W D) / 60 Hz
  calibration  (D C) / m corrected units, (Q C) / m gear ratio; the nearest fraction with a
               denominator up to 100 when within 0.05 %
  controllers  the nearest float or double to D, its shortest text, 360 (V - D) / D per turn
  by hand      D to 3, 4 and 6 decimals ("%.nf"), read back, and its drift

    python3 tests/app/make_axis_vectors.py

rewrites data/axis_vectors.txt. The random choices use a fixed seed.
"""
from fractions import Fraction
import os
import random
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "common", "numtext"))
import make_reference_vectors as ext  # noqa: E402


def rv(x):
    r = ext.rounded_value(abs(x))
    assert r != ext.INF
    return -r if x < 0 else r


def text(x):
    return ext.number_text(ext.nearest(x))


def parsed(t):
    h = ext.parse_number(t)
    neg, biased, m = ext.hex_to_fields(h)
    v = ext.exact_value(biased, m)
    return -v if neg else v


PI = ext.exact_value(0x4000, 0xC90FDAA22168C235)


def nearest_binary(x, bits):
    """x > 0 rounded to a significand of `bits` bits, nearest with ties to even (normal range)."""
    e = x.numerator.bit_length() - x.denominator.bit_length()
    while Fraction(2) ** e > x:
        e -= 1
    while Fraction(2) ** (e + 1) <= x:
        e += 1
    q = Fraction(2) ** (e - bits + 1)
    scaled = x / q
    m = scaled.numerator // scaled.denominator
    rest = scaled - m
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and m & 1):
        m += 1
    return m * q


def shortest_fixed(v, bits):
    """The fewest significant digits that read back as v, written in fixed notation."""
    e10 = len(str(v.numerator // v.denominator)) if v >= 1 else 0
    if v < 1:
        while Fraction(10) ** (e10 - 1) > v:
            e10 -= 1
    for n in range(1, 20):
        scale = Fraction(10) ** (n - e10)
        low = (v * scale).numerator // (v * scale).denominator
        best = None
        for d in (low, low + 1):
            cand = Fraction(d) / scale
            if cand > 0 and nearest_binary(cand, bits) == v:
                if best is None or abs(cand - v) < abs(best - v):
                    best = cand
        if best is not None:
            return fixed_text(best)
    raise AssertionError(v)


def fixed_text(x):
    whole = x.numerator // x.denominator
    rest = x - whole
    digits = ""
    while rest:
        rest *= 10
        digits += str(rest.numerator // rest.denominator)
        rest -= rest.numerator // rest.denominator
    return str(whole) + ("." + digits if digits else "")


def drift(used, D):
    degrees = rv(rv(rv(used - D) * 360) / D)
    return degrees, rv(degrees * 3600)


def case(rng):
    angle = rng.choice(["1.8", "0.9"])
    division = rng.choice([1, 2, 4, 5, 8, 10, 16, 20, 25, 32, 40, 50, 64, 100, 128, 200, 256])
    r1, r2 = rng.choice([("36", "1"), ("40", "1"), ("60", "1"), ("72", "1"), ("90", "1"), ("120", "1"),
                         ("180", "1"), ("3", "1"), ("57", "11"), ("62", "15"), ("4.5", "1"), ("1", "1")])
    rate = rng.choice(["10000", "25000", "35000", "45000", "100000", "250000", "400000", "1000000", "4000000"])
    wanted = rng.choice(["360", "1000", "3600", "7200", "20000"])
    radius = rng.choice(["25", "50", "75.5", "100", "160"])
    commanded = rng.choice(["360", "360", "90", "720"])
    off = Fraction(rng.choice([-1, 1]) * rng.randint(1, 300), 100000)  # up to 0.3 % short or long
    measured = "%.3f" % float(Fraction(parsed(commanded)) * (1 + off))
    return [angle, str(division), r1, r2, rate, wanted, radius, commanded, measured]


def figures(inputs):
    angle, division, r1, r2, rate, wanted, radius, commanded, measured = inputs
    A = Fraction(float(angle))
    S = rv(360 / A)
    U = rv(int(division) * S)
    Q = rv(parsed(r1) / parsed(r2))
    X = rv(U * Q)
    D = rv(X / 360)
    f, W, r, C, m = (parsed(t) for t in (rate, wanted, radius, commanded, measured))
    out = []
    def put(name, value):
        out.append("%s=%s" % (name, value if isinstance(value, str) else text(value)))
    put("units", D)
    put("degreesPerMicroStep", rv(1 / D))
    put("arcSecondsPerMicroStep", rv(3600 / D))
    mm = rv(rv(r * rv(PI / 180)) / D)
    put("arcMillimetresPerMicroStep", mm)
    put("arcInchesPerMicroStep", rv(mm / rv(Fraction(254) / 10)))
    per_second = rv(f / D)
    per_minute = rv(per_second * 60)
    axis_rpm = rv(per_minute / 360)
    put("degreesPerSecond", per_second)
    put("degreesPerMinute", per_minute)
    put("axisRpm", axis_rpm)
    put("motorRpm", rv(axis_rpm * Q))
    needed = rv(rv(W * D) / 60)
    put("neededPulseRate", needed)
    put("exceedsRate", "true" if needed > f else "false")
    put("correctedUnits", rv(rv(D * C) / m))
    implied = rv(rv(Q * C) / m)
    put("impliedRatio", implied)
    simple = implied.limit_denominator(100)
    close = abs(simple - implied) * 10000 <= 5 * implied
    put("nearRatio", "%d:%d" % (simple.numerator, simple.denominator) if close else "none")
    for name, bits, key in (("float", 24, "f"), ("double", 53, "d")):
        stored = nearest_binary(D, bits)
        if bits == 24:  # the float struct stores, from the double that holds it exactly
            assert struct.unpack("<f", struct.pack("<f", float(stored)))[0] == float(stored)
            assert Fraction(struct.unpack("<f", struct.pack("<f", float(D)))[0]) in (stored, nearest_binary(Fraction(float(D)), 24))
        put(name + "Text", shortest_fixed(stored, bits))
        put(name + "Stored", stored)
        degrees, seconds = drift(stored, D)
        put(name + "DriftDegreesPerTurn", degrees)
        put(name + "DriftArcSecondsPerTurn", seconds)
    for n in (3, 4, 6):
        t = ext.pattern_fixed(ext.nearest(D), n)
        value = parsed(t)
        put("rounded%dUnits" % n, t)
        degrees, seconds = drift(value, D)
        put("rounded%dDriftDegreesPerTurn" % n, degrees)
        put("rounded%dDriftArcSecondsPerTurn" % n, seconds)
    return out


def main():
    rng = random.Random(20280601)
    cases = [["1.8", "10", "40", "1", "25000", "3600", "50", "360", "359.982"]]
    cases += [case(rng) for _ in range(400)]
    path = os.path.join(HERE, "data", "axis_vectors.txt")
    with open(path, "w", newline="\n") as out:
        out.write("# angle division R1 R2 rate wanted radius commanded measured | name=text ...  (separator \".\")\n")
        for inputs in cases:
            out.write(" ".join(inputs) + "\t" + "\t".join(figures(inputs)) + "\n")
    print("%d axis vectors" % len(cases), file=sys.stderr)


if __name__ == "__main__":
    main()
