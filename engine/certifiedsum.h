// SPDX-License-Identifier: MIT
#pragma once

namespace fourier {

/// A sum and how far the exact one may lie from it: |exact - value| <= bound.
struct CertifiedSum {
    double value;
    double bound;
};

} // namespace fourier
