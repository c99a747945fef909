// SPDX-License-Identifier: MIT
#include "vectorstate.h"

namespace fourier {

namespace {

#if defined(__x86_64__)
__attribute__((target("avx"))) void zeroUpper()
{
    __builtin_ia32_vzeroupper();
}
#endif

} // namespace

void clearUpperVectorState()
{
#if defined(__x86_64__)
    // Without AVX there is no upper state, and the instruction itself would be illegal.
    static const bool hasAvx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    if (hasAvx)
        zeroUpper();
#endif
}

} // namespace fourier
