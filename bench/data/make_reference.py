#!/usr/bin/env python3
"""Makes the harder reference data sets of bench/data and their certified
coefficients.

Each set is NAME.csv (header x,y, values as written) and NAME.certified (the
least-squares coefficients, constant term first, one per line). The
coefficients are computed in exact rational arithmetic from the decimal
values as written, so they are the exact answer for the data, to 21
significant digits.

- FilipLike: degree 10, 82 points with x in [-8.78, -3.13] (x far from 0,
  condition number of the raw-power design near 1e15), y a smooth curve near
  0.85 plus noise.
- NoisyWampler: degree 5, x = 0 .. 20, y = 1 + x + ... + x^5 plus noise of
  standard deviation 2e5 (a large residual).
- Order15: degree 15, 200 points with x in [10, 110], a sine plus a
  parabola plus noise (the highest order the program offers).

Run it from this directory: python3 make_reference.py
"""
import math
import random
from fractions import Fraction


def exact_fit(xs, ys, degree):
    """Solves the normal equations exactly (Gauss-Jordan on rationals)."""
    p = degree + 1
    sums = [sum(x ** k for x in xs) for k in range(2 * degree + 1)]
    rhs = [sum(y * x ** k for x, y in zip(xs, ys)) for k in range(p)]
    m = [[sums[r + c] for c in range(p)] + [rhs[r]] for r in range(p)]
    for i in range(p):
        pivot = next(r for r in range(i, p) if m[r][i] != 0)
        m[i], m[pivot] = m[pivot], m[i]
        for r in range(p):
            if r != i and m[r][i] != 0:
                f = m[r][i] / m[i][i]
                m[r] = [a - f * b for a, b in zip(m[r], m[i])]
    return [m[i][p] / m[i][i] for i in range(p)]


def decimal(q, digits=21):
    """A rational as a decimal with this many significant digits."""
    if q == 0:
        return "0"
    sign = "-" if q < 0 else ""
    q = abs(q)
    e = math.floor(math.log10(q.numerator) - math.log10(q.denominator))
    while q >= Fraction(10) ** (e + 1):
        e += 1
    while q < Fraction(10) ** e:
        e -= 1
    mantissa = round(q / Fraction(10) ** (e - digits + 1))
    text = str(mantissa)
    if len(text) > digits:  # rounding carried into a new digit
        text, e = text[:digits], e + 1
    return "%s%s.%sE%+03d" % (sign, text[0], text[1:], e)


def write(name, xs, ys, degree):
    with open(name + ".csv", "w") as out:
        out.write("x,y\n")
        for x, y in zip(xs, ys):
            out.write("%s,%s\n" % (x, y))
    coef = exact_fit([Fraction(x) for x in xs], [Fraction(y) for y in ys], degree)
    with open(name + ".certified", "w") as out:
        for c in coef:
            out.write(decimal(c) + "\n")


def filip_like():
    random.seed(20240611)
    curve = [Fraction(s) for s in (
        "-1467.48961422980 -2772.17959193342 -2316.37108160893 -1127.97394098372 "
        "-354.478233703349 -75.1242017393757 -10.8753180355343 -1.06221498588947 "
        "-0.670191154593408E-01 -0.246781078275479E-02 -0.402962525080404E-04").split()]
    xs, ys = [], []
    for _ in range(82):
        x = "%.9f" % random.uniform(-8.781464495, -3.133585712)
        value = sum(b * Fraction(x) ** k for k, b in enumerate(curve))
        xs.append(x)
        ys.append("%.4f" % (float(value) + random.gauss(0, 0.003)))
    write("FilipLike", xs, ys, 10)


def noisy_wampler():
    random.seed(7)
    xs = [str(i) for i in range(21)]
    ys = ["%.1f" % (sum(i ** k for k in range(6)) + random.gauss(0, 2.0e5)) for i in range(21)]
    write("NoisyWampler", xs, ys, 5)


def order15():
    random.seed(11)
    xs, ys = [], []
    for _ in range(200):
        x = 10 + 100 * random.random()
        xs.append("%.6f" % x)
        ys.append("%.5f" % (50 * math.sin(x / 9.0) + 0.02 * x * x + random.gauss(0, 0.5)))
    write("Order15", xs, ys, 15)


if __name__ == "__main__":
    filip_like()
    noisy_wampler()
    order15()
