// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"
#include "curvedata.h"
#include "plotsurface.h"
#include "tone.h"

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>

namespace fourier {

/// What a picture's curves are written out as, beside the picture itself: its newest curve as a
/// sound, or the values of all of them.
enum class DataFormat { Sound, Values };

/// The format the ending of \a path names: .wav or .csv, in any case; nothing for any other.
std::optional<DataFormat> dataFormatOf(const QString& path);

/// How long a sound written out lasts unless asked otherwise, in seconds.
inline constexpr double defaultSoundSeconds = 2.0;

/// Writing a picture's curves out.
class DataExport {
    Q_DECLARE_TR_FUNCTIONS(fourier::DataExport)
public:
    /// Why there is nothing to write: the picture shows no curve.
    static QString noCurve();
};

/// What a picture's curves are written out as, and how: a sound of \a seconds at \a pitch Hz,
/// or their values at \a points.
struct DataRequest {
    DataFormat format;
    int pitch = defaultPitch;
    double seconds = defaultSoundSeconds;
    std::size_t points = defaultDataPoints;
};

/// Writes the curves \a pic shows to \a path as \a request says: its newest curve as a sound,
/// or the values of all of them over the x range it shows. \a keepGoing is asked as the values
/// are worked out; when it says no, nothing is written and the result is nothing. Otherwise it
/// is why the file could not be written (noCurve() when the picture shows none), or an empty
/// string.
std::optional<QString> writeCurvesOf(const PlotSurface& pic, const QString& path,
    const DataRequest& request, const std::function<bool(double)>& keepGoing);

/// Writes \a curve as a WAV file at \a path: \a seconds of its tone at \a pitch Hz, faded in and
/// out, as the player plays it. Through writeFileSafely: a file already there is replaced only
/// by a complete one. Returns why it failed, or an empty string.
QString writeSound(const QString& path, const PictureCurve& curve, int pitch, double seconds);

/// Writes the values of \a curves at \a points spread over \a range to \a path as CSV (see
/// curveValuesCsv), each headed by its description in the application's language. \a keepGoing
/// is asked after each point; when it says no, nothing is written and the result is nothing.
/// Otherwise it is why the file could not be written, or an empty string.
std::optional<QString> writeCurveValues(const QString& path, std::span<const PictureCurve> curves,
    DataRange range, std::size_t points, const std::function<bool(double)>& keepGoing);

} // namespace fourier
