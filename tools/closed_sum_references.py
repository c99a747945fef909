#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The numbers behind engine/closedsum.cpp, made once with mpmath (python3-mpmath) and pasted in.

  tools/closed_sum_references.py --constants   the engine's tables: the kernel's power series,
                                                the Gauss-Legendre rule, pi in three doubles,
                                                and the nearest any double |x| <= 1e6 comes to
                                                a multiple of pi
  tools/closed_sum_references.py               the test table of tests/engine/wave_test.cpp:
                                                partial sums to 25 digits at large counts

The references do not use the engine's method. Each partial sum is the series' limit less its
tail, and the tail is a Laplace integral with no oscillation in it: 1/k^p is the integral of
t^(p-1) e^(-k t) / (p-1)! over t > 0, so with w = e^(ix)

  sum_{j>=n} w^(2j+1) / (2j+1)^p = int_0^inf t^(p-1)/(p-1)! (w e^-t)^(2n+1) / (1 - w^2 e^-2t) dt
  sum_{k>n} w^k / k             = int_0^inf (w e^-t)^(n+1) / (1 - w e^-t) dt

taken by mpmath's quadrature at 40 digits, the phase w^(2n+1) at 400 digits (a count of 1e300
times x needs 300 digits before the first one that counts). Against sums taken term by term
for n up to 20000 they agree to 1e-25.
"""
import sys

import mpmath as mp

mp.mp.dps = 40
PHASE_DIGITS = 400


def breakpoints(d):
    """Where the quadrature splits [0, inf): beside a jump the integrand has a bump of width d
    at 0 (d the distance to the jump times the frequency), and falls like 1/s beyond it, so
    the pieces grow tenfold from d."""
    points = [mp.mpf(0)]
    c = d
    while 0 < c < 1:
        points.append(c)
        c *= 10
    return points + [1, 10, 60, mp.inf]


def odd_tail(n, x, p):
    """sum_{j>=n} e^(i(2j+1)x) / (2j+1)^p."""
    m = 2 * n + 1
    with mp.workdps(PHASE_DIGITS):
        phase = mp.expj(mp.mpf(m) * mp.mpf(x))
    phase, mf = +phase, mp.mpf(m)

    # 1 - w^2 e^(-2s/m) as an expm1, which keeps its digits however small x and s / m are.
    def integrand(s):
        return (s ** (p - 1) / mp.factorial(p - 1) * mp.exp(-s)
                / -mp.expm1(mp.mpc(-2 * s / mf, 2 * mp.mpf(x))))

    d = abs(mp.mpf(x) - mp.pi * mp.nint(mp.mpf(x) / mp.pi)) * mf
    return phase * mp.quad(integrand, breakpoints(d)) / mf ** p


def full_tail(n, x):
    """sum_{k>n} e^(ikx) / k."""
    m = n + 1
    with mp.workdps(PHASE_DIGITS):
        phase = mp.expj(mp.mpf(m) * mp.mpf(x))
    phase, mf = +phase, mp.mpf(m)

    def integrand(s):
        return mp.exp(-s) / -mp.expm1(mp.mpc(-s / mf, mp.mpf(x)))

    d = abs(mp.mpf(x) - 2 * mp.pi * mp.nint(mp.mpf(x) / (2 * mp.pi))) * mf
    return phase * mp.quad(integrand, breakpoints(d)) / mf


def square(n, x):
    """4 sum_{j<n} sin((2j+1)x) / (2j+1); n None for the limit."""
    with mp.workdps(PHASE_DIGITS):
        s = mp.sin(mp.mpf(x))
    if s == 0:
        return mp.mpf(0)
    limit = mp.pi / 4 * mp.sign(s)
    return 4 * limit if n is None else 4 * (limit - mp.im(odd_tail(n, x, 1)))


def triangle(n, x):
    """4 sum_{j<n} cos((2j+1)x) / (2j+1)^2."""
    with mp.workdps(PHASE_DIGITS):
        r = mp.mpf(x) - 2 * mp.pi * mp.nint(mp.mpf(x) / (2 * mp.pi))
    limit = mp.pi / 8 * (mp.pi - 2 * abs(+r))
    return 4 * limit if n is None else 4 * (limit - mp.re(odd_tail(n, x, 2)))


def sawtooth(n, x):
    """4 sum_{k<=n} sin(kx) / k."""
    with mp.workdps(PHASE_DIGITS):
        r = mp.mpf(x) - 2 * mp.pi * mp.floor(mp.mpf(x) / (2 * mp.pi))
    if r == 0:
        return mp.mpf(0)
    limit = (mp.pi - +r) / 2
    return 4 * limit if n is None else 4 * (limit - mp.im(full_tail(n, x)))


# The counts of the table, as C++ writes them, and the whole number of terms each gives.
COUNTS = [('40', 40), ('1e6', 10**6), ('1e9', 10**9), ('1e12', 10**12), ('1e18', 10**18),
          ('0x1p60', 2**60), ('1e300', int(1e300)), ('infinity', None)]
# Beside the jump at 0, 9e-11 below pi, between jumps, 2.2e-8 below 6 pi, far out, the double
# nearest a multiple of pi (58 pi, 2.5e-18 away) and the end of the range.
XS = [1e-9, 3.1415926535, 1.2, 18.8495559, -20.0, float.fromhex('0x1.6c6cbc45dc8dep+7'), -1e6]
WAVES = [('squareWave', square), ('triangleWave', triangle), ('sawtoothWave', sawtooth)]


def cpp_double(x):
    text = repr(x)
    return text if float(text) == x and ('e' in text or '.' in text) else x.hex()


def references():
    print('// Made by tools/closed_sum_references.py; counts ' +
          ', '.join(c for c, _ in COUNTS) + '.')
    for name, wave in WAVES:
        for x in XS:
            values = [mp.nstr(wave(n, x), 25, min_fixed=-5, max_fixed=5) for _, n in COUNTS]
            print('{ &%s, %s, { %s } },' % (name, cpp_double(x), ', '.join(values)))


def constants():
    mp.mp.dps = 60
    print('// 1/sin s - 1/s = sum_{j>=1} a_j s^(2j-1), a_j = 2 (1 - 2^(1-2j)) zeta(2j) / pi^(2j)')
    a = [2 * (1 - mp.mpf(2) ** (1 - 2 * j)) * mp.zeta(2 * j) / mp.pi ** (2 * j)
         for j in range(1, 41)]
    print(', '.join(repr(float(v)) for v in a))

    print('// pi = head + middle + tail + rest')
    head = float(mp.pi)
    middle = float(mp.pi - head)
    tail = float(mp.pi - head - middle)
    print(head.hex(), middle.hex(), tail.hex(), mp.nstr(mp.pi - head - middle - tail, 5))
    print('// pi^2 / 2 and pi / 2', repr(float(mp.pi ** 2 / 2)), repr(float(mp.pi / 2)))

    print('// 12-point Gauss-Legendre rule: positive nodes, weights')
    m = 12

    def legendre(t):
        p0, p1 = mp.mpf(1), t
        for k in range(2, m + 1):
            p0, p1 = p1, ((2 * k - 1) * t * p1 - (k - 1) * p0) / k
        return p1, m * (t * p1 - p0) / (t * t - 1)

    nodes = []
    for i in range(1, m // 2 + 1):
        t = mp.cos(mp.pi * (i - mp.mpf(1) / 4) / (m + mp.mpf(1) / 2))
        for _ in range(100):
            p, dp = legendre(t)
            t -= p / dp
        nodes.append(t)
    print(', '.join(repr(float(t)) for t in nodes))
    print(', '.join(repr(float(2 / ((1 - t * t) * legendre(t)[1] ** 2))) for t in nodes))
    width = 8
    panel = (mp.mpf(width) ** (2 * m + 1) * mp.factorial(m) ** 4
             / ((2 * m + 1) * mp.factorial(2 * m) ** 3) / (2 * m + 1))
    print('// the rule on a panel of width', width, 'misses the integral of sinc by at most',
          mp.nstr(panel, 5))

    print('// the series of the kernel cut after 40 terms: what the 14 integrations by parts miss')
    rho, omega, terms, steps = mp.mpf('1.6'), 66, 40, 14

    def left_out(k):
        first = 2 * mp.zeta(4) * mp.mpf(2 * terms + 1) ** k * rho ** (2 * terms + 1 - k)
        ratio = (mp.mpf(2 * terms + 3) / (2 * terms + 1)) ** k * (rho / mp.pi) ** 2
        assert ratio < 0.36
        return first / mp.pi ** (2 * terms + 2) / (1 - ratio)

    dirichlet = (sum(left_out(k) / mp.mpf(omega) ** (k + 1) for k in range(steps))
                 + left_out(steps - 1) / mp.mpf(omega) ** steps)
    twice = (sum(k * left_out(k - 1) / mp.mpf(omega) ** (k + 1) for k in range(1, steps))
             + (steps + 1) * left_out(steps - 2) / mp.mpf(omega) ** steps)
    print(mp.nstr(dirichlet, 3), mp.nstr(twice, 3))

    print('// the double nearest a multiple of pi, |x| <= 1e6')
    shift = 400
    pi_scaled = int(mp.floor(mp.pi * mp.mpf(2) ** shift))
    best = (mp.inf, 0, 0.0)
    for k in range(1, int(1e6 / float(mp.pi)) + 1):
        kp = k * pi_scaled
        exponent = kp.bit_length() - 1 - shift
        unit = shift + exponent - 52
        nearest = (kp + (1 << (unit - 1))) >> unit
        distance = mp.mpf(abs((nearest << unit) - kp)) / mp.mpf(2) ** shift
        if distance < best[0]:
            best = (distance, k, nearest * 2.0 ** (exponent - 52))
    print('k', best[1], 'x', best[2].hex(), 'distance', mp.nstr(best[0], 5))


if __name__ == '__main__':
    constants() if '--constants' in sys.argv else references()
