// SPDX-License-Identifier: MIT
#include "dataexport.h"

#include "coretexts.h"
#include "safewrite.h"
#include "tone.h"
#include "wav.h"

#include <QByteArray>
#include <QFileInfo>
#include <string>
#include <vector>

namespace fourier {

std::optional<DataFormat> dataFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("wav"))
        return DataFormat::Sound;
    if (suffix == QLatin1String("csv"))
        return DataFormat::Values;
    return std::nullopt;
}

QString DataExport::noCurve()
{
    return tr("the picture shows no curve");
}

QString writeSound(const QString& path, const PictureCurve& curve, int pitch, double seconds)
{
    const std::vector<std::byte> bytes
        = wavFile(Tone(*commandRow(curve.command).wave, curve.terms, pitch), seconds);
    return writeFileSafely(path,
        QByteArray(
            reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
}

std::optional<QString> writeCurvesOf(const PlotSurface& pic, const QString& path,
    const DataRequest& request, const std::function<bool(double)>& keepGoing)
{
    const std::vector<PictureCurve> curves = curvesOn(pic);
    if (curves.empty())
        return DataExport::noCurve();
    if (request.format == DataFormat::Sound)
        return writeSound(path, curves.back(), request.pitch, request.seconds);
    const UserMapping& shown = pic.mapping();
    return writeCurveValues(
        path, curves, dataRange(shown.left(), shown.right()), request.points, keepGoing);
}

std::optional<QString> writeCurveValues(const QString& path, std::span<const PictureCurve> curves,
    DataRange range, std::size_t points, const std::function<bool(double)>& keepGoing)
{
    std::vector<std::string> headings;
    for (const PictureCurve& curve : curves)
        headings.push_back(translatedDescription(curve.description).toStdString());
    const std::optional<std::string> table
        = curveValuesCsv(curves, headings, range, points, keepGoing);
    if (!table)
        return std::nullopt;
    return writeFileSafely(path, QByteArray::fromStdString(*table));
}

} // namespace fourier
