// SPDX-License-Identifier: MIT
#pragma once

#include "anchors.h"
#include "curve.h"
#include "curvegrid.h"
#include "enclosedcurve.h"
#include "stretchenclosure.h"

#include <chrono>
#include <cstddef>
#include <vector>

namespace fourier {

/// How far the sums of one curve drawn from enclosures have got, as the progress dialog shows
/// it: the work done (samples times terms) against what is likely still to come.
class SumProgress {
public:
    explicit SumProgress(const ProgressCallback& progress);

    /// Tells the share reached, when progressInterval has passed since it was told last; false
    /// when the user cancelled.
    bool reportWhenDue();
    /// Tells the share reached; false when the user cancelled.
    bool report() const { return m_progress(m_reported); }
    /// Tells the share reached once \a done of a batch of \a batchWork is done; false when the
    /// user cancelled.
    bool reportBatch(double done, double batchWork);
    /// Counts a batch of \a batchWork as done.
    void finishBatch(double batchWork) { m_workDone += batchWork; }

private:
    const ProgressCallback& m_progress;
    double m_workDone = 0.0;
    double m_reported = 0.0;
    std::chrono::steady_clock::time_point m_lastReport;
};

/// The sums of a curve's anchors: every batch of wanted samples summed (by the rotation recurrence
/// on every core, or from the closed forms) and certified, and, at the end, the rows still in
/// question settled where they matter, by near-plain sums and, for the few left, by the plain
/// loop. With exact rows no row is ever in question: each anchor's is its sum's.
class AnchorSums {
public:
    AnchorSums(const EnclosureRequest& request, const StretchEnclosure& enclosure, CurveGrid& grid,
        Anchors& anchors, SumProgress& progress);

    /// Sums every sample of \a requested (which it sorts and empties) and adds it as an anchor,
    /// marking its row where the row is certain: by the plain loop for few terms, from the closed
    /// forms for many, otherwise by the rotation recurrence in groups on every core, each sum
    /// certified. Where its row is
    /// not certain, the plain loop recomputes it at once while that is cheap; with many terms
    /// the anchor is left with the rows it may be in, for settleUncertain. False when the user
    /// cancelled.
    bool sum(std::vector<std::size_t>& requested);

    /// Settles the rows of the anchors that are in question and matter: those whose column does
    /// not have every row they may be in set already. First by sums far nearer the plain
    /// loop's, then, for the few left, by the plain loop on every core, one at a time; a
    /// column's likeliest anchor first, so that one which sets the row its column lacks spares
    /// the others theirs. False when the user cancelled.
    bool settleUncertain();

private:
    struct Batch;
    /// Sums share \a share of \a batch, every batch.threads-th group from the share-th on.
    void sumShare(Batch& batch, std::size_t share, const KeepGoing& keepGoing) const;
    /// Certifies the group of \a size sums of \a batch from \a first: where its row is.
    bool certify(
        Batch& batch, std::size_t first, std::size_t size, const KeepGoing& keepGoing) const;
    /// Adds the sums of \a batch, at the samples \a requested, as anchors.
    void record(const Batch& batch, const std::vector<std::size_t>& requested);

    /// The anchors whose rows are in question and matter, each column's likeliest first.
    std::vector<std::size_t> openAnchors() const;
    /// Settles what near-plain sums can of \a open, and leaves the rest in \a unsettled.
    bool settleByNearPlainSums(
        const std::vector<std::size_t>& open, std::vector<std::size_t>& unsettled);
    /// Near-plain sums at the anchors of \a batch, one a thread; what they leave in question
    /// goes to \a unsettled.
    bool nearPlainBatch(const std::vector<std::size_t>& batch, std::vector<std::size_t>& unsettled);
    /// The plain loop on every core at each of \a unsettled whose row still matters.
    bool settleByPlainLoop(const std::vector<std::size_t>& unsettled);

    const EnclosureRequest& m_request;
    const StretchEnclosure& m_enclosure;
    CurveGrid& m_grid;
    Anchors& m_anchors;
    SumProgress& m_progress;
};

} // namespace fourier
