// SPDX-License-Identifier: MIT
#include "sumroad.h"

#include "closedsum.h"

namespace fourier {

SumRoad sumRoad(const Wave& wave, double count, const CurveTuning& tuning)
{
    SumRoad road;
    road.terms = termCount(count);
    road.extraTerms = extraTermCount(count);
    const bool closed = hasClosedForms(wave);
    road.exactRows = closed && (!road.extraTerms || road.terms > tuning.exactRowsAbove);
    road.closedForms = closed && (road.exactRows || road.terms > tuning.closedFormTerms);
    if (road.extraTerms && !road.exactRows)
        road.bound = certaintyBound(wave, *road.extraTerms);
    return road;
}

double drawnSum(const Wave& wave, double count, const SumRoad& road, double x)
{
    return road.exactRows ? certifiedSum(wave, count, x).value : referenceSum(wave, count, x);
}

} // namespace fourier
