#!/usr/bin/env python3
"""Writes the reference vectors for the number text tests.

Everything here is exact rational arithmetic (fractions.Fraction) on the 80-bit extended format
modelled from first principles; no code of the program is used.

Number to text: the exact value of the bit pattern, its first 18 significant digits rounded to
nearest with ties to even, then the half-up cut and the text rules of the general format
(15 digits, "%g") and of the fixed format ("%.3f", "%.8f").

Text to number, the conversion's own procedure with every operation rounded to the 64-bit
significand (nearest, ties to even, gradual underflow, overflow to infinity):
  - each digit: v = round(v * 10), then v = round(v + digit);
  - k = exponent - digits after the separator, a = |k|;
  - low = round(10^(a mod 32) * 10^(32 * ((a div 32) mod 16))) from correctly rounded constants;
  - v = round(v * low) (round(v / low) when k < 0), then the same with 10^(512 * (a div 512));
  - |k| >= 5120: infinity (zero when dividing); an overflowing digit accumulation fails.

Run it from anywhere:

    python3 tests/common/numtext/make_reference_vectors.py

It rewrites data/format_vectors.txt and data/parse_vectors.txt. The random choices use a fixed
seed, so the output only changes when this script changes.
"""
from fractions import Fraction
import os
import random
import sys

BIAS = 16383
MIN_Q = 1 - BIAS - 63          # quantum of the denormals: 2^-16445
INF = "inf"

# ---------------------------------------------------------------------------------------------
# The 80-bit format

def fields_to_hex(negative, biased, significand):
    return "%04X%016X" % ((0x8000 if negative else 0) | biased, significand)


def hex_to_fields(h):
    se = int(h[:4], 16)
    return bool(se & 0x8000), se & 0x7FFF, int(h[4:], 16)


def exact_value(biased, significand):
    """|value| of a finite bit pattern as a Fraction."""
    q = (biased if biased else 1) - BIAS - 63
    return Fraction(significand) * (Fraction(2) ** q)


def round_to_extended(x):
    """Rounds a non-negative Fraction to the extended format, nearest with ties to even,
    with gradual underflow. Returns (biased, significand) or INF."""
    if x == 0:
        return (0, 0)
    e = x.numerator.bit_length() - x.denominator.bit_length()
    if Fraction(2) ** e > x:
        e -= 1
    if Fraction(2) ** (e + 1) <= x:
        e += 1
    q = max(e - 63, MIN_Q)       # the quantum of the result
    scaled = x / (Fraction(2) ** q)
    m = scaled.numerator // scaled.denominator
    rest = scaled - m
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and m & 1):
        m += 1
    if m == 1 << 64:
        m >>= 1
        q += 1
    biased = q + 63 + BIAS
    if m < (1 << 63):             # a denormal (or the smallest normal reached by rounding)
        return (0, m)
    if biased >= 0x7FFF:
        return INF
    return (biased, m)


def rounded_value(x):
    """x rounded to the extended format, as a Fraction, or INF."""
    r = round_to_extended(x)
    if r == INF:
        return INF
    return exact_value(*r)

# ---------------------------------------------------------------------------------------------
# Number to text

def digit_record(negative, biased, significand, precision, decimals=None):
    """(kind, negative, digits, exponent): kind is 'num', 'inf' or 'nan'."""
    if biased == 0:
        return ("num", False, "", 0)
    if biased == 0x7FFF:
        if significand & ((1 << 63) - 1) == 0:
            return ("inf", negative, "", 0)
        return ("nan", False, "", 0)
    v = exact_value(biased, significand)
    if v == 0:
        return ("num", False, "", 0)
    # E: digits before the point, 10^(E-1) <= v < 10^E
    E = int((v.numerator.bit_length() - v.denominator.bit_length()) * 0.30102999566398120)
    while v >= Fraction(10) ** E:
        E += 1
    while v < Fraction(10) ** (E - 1):
        E -= 1
    scaled = v * Fraction(10) ** (18 - E)
    n = scaled.numerator // scaled.denominator
    rest = scaled - n
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n & 1):
        n += 1
    if n == 10 ** 18:
        n = 10 ** 17
        E += 1
    assert 10 ** 17 <= n < 10 ** 18
    digits = str(n)
    cut = precision if decimals is None else min(E + decimals, precision)
    if cut < 0:
        return ("num", False, "", 0)
    if cut < 18:
        up = digits[cut] >= "5"
        kept = digits[:cut]
        if up:
            number = int(kept) + 1 if kept else 1
            if len(str(number)) > cut:      # carry out of the first digit
                kept = "1"
                E += 1
            else:
                kept = str(number).rjust(cut, "0")
        digits = kept
    digits = digits.rstrip("0")
    if not digits:
        return ("num", False, "", 0)
    return ("num", negative, digits, E)


def general_text(record, precision, min_exp_digits, sep):
    kind, negative, digits, E = record
    if kind == "inf":
        return "-INF" if negative else "INF"
    if kind == "nan":
        return "NAN"
    out = "-" if negative else ""
    if not digits:
        return out + "0"
    if -3 <= E <= precision:
        if E > 0:
            out += digits[:E].ljust(E, "0")
            if len(digits) > E:
                out += sep + digits[E:]
        else:
            out += "0" + sep + "0" * (-E) + digits
        return out
    out += digits[0]
    if len(digits) > 1:
        out += sep + digits[1:]
    x = E - 1
    out += "E" + ("-" if x < 0 else "") + str(abs(x)).rjust(min_exp_digits, "0")
    return out


def number_text(fields, sep="."):
    return general_text(digit_record(*fields, 15), 15, 0, sep)


def pattern_g(fields, sep="."):
    return general_text(digit_record(*fields, 15), 15, 3, sep)


def pattern_fixed(fields, n, sep="."):
    record = digit_record(*fields, 18, n)
    kind, negative, digits, E = record
    if kind != "num" or E > 18:
        return general_text(digit_record(*fields, 18), 18, n if n <= 4 else 0, sep)
    out = "-" if negative else ""
    out += digits[:E].ljust(E, "0") if E > 0 else "0"
    frac = ("0" * (-E) if E < 0 else "") + digits[max(E, 0):]
    return out + sep + frac.ljust(n, "0")

# ---------------------------------------------------------------------------------------------
# Text to number: the conversion procedure on exact rationals, each operation rounded

def ten_power(n):
    return rounded_value(Fraction(10) ** n)


def scale_by_power_of_ten(v, k):
    """v (Fraction or INF, non-negative) scaled by 10^k the way the conversion does it."""
    a = abs(k)
    if a >= 5120:
        if v == INF:
            return "nan"
        return Fraction(0) if k < 0 else (INF if v != 0 else "nan")
    low = ten_power(a & 31)
    j = (a >> 5) & 15
    if j:
        low = rounded_value(low * ten_power(32 * j))
    high = a >> 9
    steps = [low] + ([ten_power(512 * high)] if high else [])
    for factor in steps:
        v = rounded_value(v * factor if k >= 0 else v / factor)
        if v == INF:
            return INF
    return v


def parse_number(text, sep="."):
    """Returns 'syntax', 'overflow', 'invalid' or the hex pattern of the result."""
    i = 0
    n = len(text)
    while i < n and text[i] == " ":
        i += 1
    negative = False
    if i < n and text[i] in "+-":
        negative = text[i] == "-"
        i += 1
    v = Fraction(0)
    saw = False
    frac_digits = 0
    def accumulate(value, digit):
        if value == INF:
            return INF
        value = rounded_value(value * 10)
        if value == INF:
            return INF
        return rounded_value(value + digit)
    while i < n and text[i].isdigit() and text[i] in "0123456789":
        v = accumulate(v, int(text[i]))
        i += 1
        saw = True
    if i < n and text[i] == sep:
        i += 1
        saw = True
        while i < n and text[i] in "0123456789":
            v = accumulate(v, int(text[i]))
            i += 1
            frac_digits += 1
    if not saw:
        return "syntax"
    exponent = 0
    if i < n and text[i] in "Ee":
        i += 1
        exp_negative = False
        if i < n and text[i] in "+-":
            exp_negative = text[i] == "-"
            i += 1
        while i < n and text[i] in "0123456789":
            if exponent >= 500:
                return "syntax"
            exponent = exponent * 10 + int(text[i])
            i += 1
        if exp_negative:
            exponent = -exponent
    while i < n and text[i] == " ":
        i += 1
    if i != n:
        return "syntax"
    if v == INF:
        return "overflow"
    v = scale_by_power_of_ten(v, exponent - frac_digits)
    if v == "nan":
        return "invalid"
    if v == INF:
        return "overflow"
    biased, significand = round_to_extended(v)   # already representable: exact
    assert exact_value(biased, significand) == v
    return fields_to_hex(negative, biased, significand)

# ---------------------------------------------------------------------------------------------
# Choosing the values

TOP = 1 << 63


def neighbour(fields, step):
    """The bit pattern `step` units in the last place away (same sign), for normal values."""
    negative, biased, m = fields
    m += step
    if m >= 1 << 64:
        m >>= 1
        biased += 1
    elif m < TOP and biased > 1:
        m = (m << 1) | 1 if step < 0 else m
        biased -= 1
    if biased >= 0x7FFF:
        return None
    return (negative, biased, m)


def nearest(x):
    """Nearest extended of a Fraction, with its sign."""
    r = round_to_extended(abs(x))
    if r == INF:
        return (x < 0, 0x7FFF, TOP)
    return (x < 0, r[0], r[1])


def with_neighbours(fields, reach=1):
    out = [fields]
    for step in range(1, reach + 1):
        for s in (step, -step):
            n = neighbour(fields, s)
            if n is not None:
                out.append(n)
    return out


def format_values(rng):
    values = []
    add = values.extend
    # Extremes and special patterns.
    values += [
        (False, 0, 0), (True, 0, 0),                           # zeros
        (False, 0, 1), (True, 0, 1), (False, 0, TOP - 1),      # denormals
        (False, 0, TOP), (True, 0, (1 << 64) - 1),             # pseudo-denormals
        (False, 1, TOP), (True, 1, TOP), (False, 1, TOP + 1),  # smallest normals
        (False, 0x7FFE, (1 << 64) - 1), (True, 0x7FFE, (1 << 64) - 1),  # largest
        (False, 0x7FFE, (1 << 64) - 2), (False, 0x7FFE, TOP),
        (False, 0x7FFF, TOP), (True, 0x7FFF, TOP),             # infinities
        (False, 0x7FFF, 0), (True, 0x7FFF, 0),                 # pseudo-infinities
        (False, 0x7FFF, TOP | (1 << 62)), (True, 0x7FFF, TOP | (1 << 62)),  # quiet NaNs
        (False, 0x7FFF, TOP | 1), (False, 0x7FFF, 1),          # signalling, pseudo-NaN
        (False, 16383, 0), (True, 100, 12345), (False, 16400, 1 << 40),  # unnormals
    ]
    for _ in range(300):
        values.append((rng.random() < 0.5, 0, rng.getrandbits(63)))
    # Random significands and exponents over the whole range.
    for _ in range(6000):
        values.append((rng.random() < 0.5, rng.randint(1, 0x7FFE), TOP | rng.getrandbits(63)))
    # ... and where numbers are usually shown (about 1E-12 .. 1E25).
    for _ in range(3000):
        values.append((rng.random() < 0.3, rng.randint(16383 - 40, 16383 + 84), TOP | rng.getrandbits(63)))
    # Short decimals and calculator results: n / d.
    for _ in range(1000):
        x = Fraction(rng.randint(-10 ** 6, 10 ** 6), rng.choice([1, 2, 3, 7, 8, 10, 360, 1000, 3600, 10 ** 5]))
        add(with_neighbours(nearest(x)) if x else [(False, 0, 0)])
    # Powers of ten and their neighbours: all small ones, a sample of the rest.
    for n in list(range(-40, 41)) + rng.sample(range(-4931, 4933), 400):
        add(with_neighbours(nearest(Fraction(10) ** n), 2))
    # Halfway at the 15th and the 18th digit: a decimal ending in 5 just after the cut.
    for digits in (15, 18):
        for _ in range(900):
            mantissa = rng.randrange(10 ** (digits - 1), 10 ** digits) * 10 + 5
            e = rng.choice([rng.randint(-30, 30), rng.randint(-4940, 4910)])
            x = Fraction(mantissa) * Fraction(10) ** e
            if rng.random() < 0.3:
                x = -x
            fields = nearest(x)
            if fields[1] not in (0, 0x7FFF):
                add(with_neighbours(fields))
    # Exact ties: integers and halves that the format holds exactly.
    for _ in range(600):
        n = rng.randrange(10 ** 17, 10 ** 18)
        add([nearest(Fraction(2 * n + 1, 2)), nearest(Fraction(n * 10 + 5)), nearest(Fraction(10 ** 15 * 2 * n + 1, 2 * 10 ** 15))])
        m = rng.randrange(10 ** 14, 10 ** 15)
        add([nearest(Fraction(2 * m + 1, 2)), nearest(Fraction(m * 10 + 5, 10 ** rng.randint(1, 20)))])
    # Fixed-pattern ties: k / 2^j with few decimals, and values around 10^18.
    for _ in range(600):
        x = Fraction(rng.randint(-10 ** 6, 10 ** 6), 2 ** rng.randint(1, 12))
        add(with_neighbours(nearest(x)) if x else [])
    for n in range(1, 40):
        add(with_neighbours(nearest(Fraction(10 ** 18) - Fraction(n, 4)), 1))
        add(with_neighbours(nearest(Fraction(5, 10 ** n)), 1))
    return values


def format_line(fields):
    cols = [fields_to_hex(*fields), number_text(fields), pattern_g(fields),
            pattern_fixed(fields, 3), pattern_fixed(fields, 8)]
    return "\t".join(cols)


def random_digits(rng, count):
    return "".join(rng.choice("0123456789") for _ in range(count))


def exact_decimal_text(digits, k):
    """digits * 10^-k as a text the conversion reads exactly that way."""
    if k == 0:
        return str(digits)
    if k <= 499:
        return "%dE-%d" % (digits, k)
    fraction = k - 499
    s = str(digits).rjust(fraction + 1, "0")
    return s[:-fraction] + "." + s[-fraction:] + "E-499"


def parse_texts(rng, shown):
    texts = []
    # The texts of the documented edge-case table and the syntax corners.
    texts += ["1.8", " 1.8 ", "1e3", "1E+3", "1E", ".", "-.5", "1,000", "", " ", "-", "+", "E5",
              ".E5", "-.", "1E4999", "1E-4999", "1E5000", "1E499", "1E-499", "0E4999", "1e-",
              "1E4932", "1.18973149535723176E4932", "1.18973149535723177E4932",
              "1.18973149535723177E+4932", "1.2E4932", "3.36210314311209351E-4932",
              "3.6E-4951", "1.8E-4951", "1.9E-4951", "1E-4940", "1E-4950", "1E-4952",
              "2E0000000000000000001", "1e 5", "1 e5", "1..2", "0x10", "--1", "1e++5"]
    # Random decimal texts.
    for _ in range(3000):
        whole = random_digits(rng, rng.choice([0, 1, 1, 2, 3, 5, 8, 12, 17, 19, 20, 25, 40]))
        frac = random_digits(rng, rng.choice([0, 0, 1, 2, 3, 8, 15, 19, 24]))
        body = whole
        if frac or rng.random() < 0.5:
            body += "." + frac
        if rng.random() < 0.6:
            e = rng.choice([rng.randint(-30, 30), rng.randint(-5100, 5100), rng.randint(-520, 520),
                           rng.randint(4900, 5010) * rng.choice([-1, 1])])
            sign = "-" if e < 0 else rng.choice(["", "+"])
            body += rng.choice("Ee") + sign + ("0" * rng.choice([0, 0, 0, 2]) + str(abs(e)) if rng.random() < 0.95 else "")
        sign = rng.choice(["", "", "-", "+"])
        texts.append(" " * rng.choice([0, 0, 0, 1, 3]) + sign + body + " " * rng.choice([0, 0, 0, 1, 2]))
    # What the program itself shows reads back.
    texts += shown
    # Midpoints between neighbouring extended values, written out exactly, and just beside them.
    for _ in range(700):
        biased = rng.choice([rng.randint(16383 - 70, 16383 + 70), rng.randint(16383 - 2000, 16383 + 2000),
                             rng.randint(2, 0x7FFD)])
        m = TOP | rng.getrandbits(63)
        lo = exact_value(biased, m)
        hi = exact_value(*neighbour((False, biased, m), 1)[1:])
        mid = (lo + hi) / 2
        # mid = a / 2^k exactly, so it is digits * 10^-k; exponents stop at 499, the rest of
        # the scale goes into fraction digits.
        k = max(0, mid.denominator.bit_length() - 1)
        digits = mid.numerator * 5 ** k
        for value in [digits] + ([digits + rng.choice([-1, 1])] if rng.random() < 0.5 else []):
            text = exact_decimal_text(value, k)
            if len(text) <= 1500:
                texts.append(text)
    # Thousands of digits, and so many fraction digits that the power of ten runs out.
    texts += ["1" + "0" * 5000, "0." + "0" * 6000 + "1", "9" * 400 + "E-400", "1" + "0" * 4932 + ".5"]
    return texts


def main():
    if hasattr(sys, "set_int_max_str_digits"):
        sys.set_int_max_str_digits(100000)
    rng = random.Random(20261209)
    here = os.path.dirname(os.path.abspath(__file__))
    data = os.path.join(here, "data")
    os.makedirs(data, exist_ok=True)

    values = format_values(rng)
    lines = [format_line(v) for v in values]
    with open(os.path.join(data, "format_vectors.txt"), "w", newline="\n") as f:
        f.write("# bits(sign+exponent, significand)\tNumberText\t%g\t%.3f\t%.8f  (separator \".\")\n")
        f.write("\n".join(lines) + "\n")

    shown = [line.split("\t")[rng.choice([1, 2, 3, 4])] for line in rng.sample(lines, 2500)]
    shown = [t for t in shown if t not in ("INF", "-INF", "NAN")] + ["INF", "NAN"]
    texts = parse_texts(rng, shown)
    with open(os.path.join(data, "parse_vectors.txt"), "w", newline="\n") as f:
        f.write("# expected bits, 'syntax' or 'overflow+'/'overflow-', a tab, the text, '|'  (separator \".\")\n")
        for text in texts:
            result = parse_number(text)
            if result == "overflow":
                result = "overflow-" if text.strip().startswith("-") else "overflow+"
            f.write("%s\t%s|\n" % (result, text))
    print("%d format vectors, %d parse vectors" % (len(lines), len(texts)), file=sys.stderr)


if __name__ == "__main__":
    main()
