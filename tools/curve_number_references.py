#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The numbers of engine/curvenumbers.cpp and engine/polygamma.cpp, made with mpmath
(python3-mpmath) and pasted into tests/engine/wave_test.cpp.

  tools/curve_number_references.py --constants   2 Si(pi) / pi, the engine's Gibbs ratio
  tools/curve_number_references.py               the test tables: psi' and psi''' at a few
                                                  points, and each wave's numbers at counts
                                                  from 1 to the largest double and the limit

The curves' values come from tools/closed_sum_references.py, whose partial sums are the series'
limit less a Laplace integral of the tail, taken at the exact extreme pi / (2m) or pi / (m + 1);
the trigamma and pentagamma values and the sine integral are mpmath's own. None of it uses the
engine's closed forms or its asymptotic series.
"""
import sys

import mpmath as mp

import closed_sum_references as sums

mp.mp.dps = 40

# The counts of the table as C++ writes them, and the whole number of terms each gives.
COUNTS = [('1', 1), ('2', 2), ('4', 4), ('100', 100), ('1e6', 10**6),
          ('1e9', 10**9), ('1e18', 10**18), ('1e300', int(1e300)),
          ('0x1.fffffffffffffp+1023', int(float.fromhex('0x1.fffffffffffffp+1023'))),
          ('infinity', None)]
POLYGAMMA_XS = [1e-3, 0.5, 1.0, 2.5, 31.99, 32.0, 100.5, 1e6 + 0.5, 1e18]
HALF = mp.mpf(1) / 2


def gibbs_ratio():
    return 2 * mp.si(mp.pi) / mp.pi


def square(m):
    """The first extreme past 0, its drawn value, the overshoot in percent of the jump 2 pi,
    and the RMS error sqrt(2 psi'(m + 1/2))."""
    if m is None:
        value = mp.pi * gibbs_ratio()
        return 0, value, 50 * (value / mp.pi - 1), 0
    x = mp.pi / (2 * m)
    value = sums.square(m, x)
    return x, value, 50 * (value / mp.pi - 1), mp.sqrt(2 * mp.psi(1, m + HALF))


def sawtooth(m):
    """As drawn, upside down: the extreme lies below -2 pi, the jump is 4 pi; the RMS error is
    sqrt(8 psi'(m + 1))."""
    edge = -2 * mp.pi
    if m is None:
        value = edge * gibbs_ratio()
        return 0, value, 50 * (value / edge - 1), 0
    x = mp.pi / (m + 1)
    value = -sums.sawtooth(m, x)
    return x, value, 50 * (value / edge - 1), mp.sqrt(8 * mp.psi(1, m + 1))


def triangle(m):
    """The largest error, at 0: the sum there and pi^2/2 less it, which is psi'(m + 1/2), taken
    as it is since at 40 digits the difference vanishes for huge m; the RMS error
    sqrt(psi'''(m + 1/2) / 12)."""
    if m is None:
        return 0, mp.pi ** 2 / 2, 0, 0
    value = sums.triangle(m, 0)
    error = mp.psi(1, m + HALF)
    assert abs(mp.pi ** 2 / 2 - value - error) < mp.mpf(10) ** -35
    return 0, value, error, mp.sqrt(mp.psi(3, m + HALF) / 12)


WAVES = [('squareWave', square), ('triangleWave', triangle), ('sawtoothWave', sawtooth)]


def number(v):
    """v to 17 digits, or 0 where it would underflow to 0 as a double."""
    return mp.nstr(v, 17, min_fixed=-5, max_fixed=5) if abs(v) > 1e-320 else '0'


def references():
    print('// Made by tools/curve_number_references.py: x, psi\'(x), psi\'\'\'(x).')
    for x in POLYGAMMA_XS:
        print('{ %s, %s, %s },' % (sums.cpp_double(x), number(mp.psi(1, x)),
                                   number(mp.psi(3, x))))
    print('// Made by tools/curve_number_references.py: wave, count, x, value, percent or error, '
          'RMS error.')
    for name, wave in WAVES:
        for text, m in COUNTS:
            print('{ &%s, %s, { %s } },' % (name, text, ', '.join(number(v) for v in wave(m))))


def constants():
    print('// 2 Si(pi) / pi', repr(float(gibbs_ratio())))


if __name__ == '__main__':
    constants() if '--constants' in sys.argv else references()
