// SPDX-License-Identifier: MIT
#include "lessonfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace fourier {

namespace {

/// A text from the file is echoed in a message at most this long.
constexpr qsizetype longestEcho = 40;

/// The context of the lesson file's messages for translators.
class LessonFile {
    Q_DECLARE_TR_FUNCTIONS(LessonFile)
};

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// \a text in quotes, cut to a readable length.
QString quoted(const QString& text)
{
    const QString shown = text.size() <= longestEcho ? text : text.left(longestEcho) + u'\u2026';
    return u'"' + shown + u'"';
}

/// What kind of JSON value \a value is, as a message names it.
QString kindOf(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return LessonFile::tr("null");
    case QJsonValue::Bool:
        return LessonFile::tr("true or false");
    case QJsonValue::Double:
        return LessonFile::tr("a number");
    case QJsonValue::String:
        return LessonFile::tr("a text");
    case QJsonValue::Array:
        return LessonFile::tr("a list");
    case QJsonValue::Object:
        return LessonFile::tr("an object");
    case QJsonValue::Undefined:
        break;
    }
    return LessonFile::tr("nothing");
}

/// The line and column of byte \a offset of \a bytes, both counted from 1.
QString placeOf(const QByteArray& bytes, qsizetype offset)
{
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    const QString column
        = QString::number(QString::fromUtf8(bytes.mid(lineStart, offset - lineStart)).size() + 1);
    return LessonFile::tr("line %1, column %2").arg(QString::number(line), column);
}

LessonReading refusal(const QString& error)
{
    return { {}, error };
}

/// "<where>: "<name>" is <kind>, not <wanted>", or "<where>: no "<name>"" when it is missing.
QString wrongKind(
    const QString& where, const QString& name, const QJsonValue& value, const QString& wanted)
{
    if (value.isUndefined())
        return LessonFile::tr("%1: no \"%2\"").arg(where, name);
    return LessonFile::tr("%1: \"%2\" is %3, not %4").arg(where, name, kindOf(value), wanted);
}

/// Reads step \a number (from 1) of the list into \a step, or says what is wrong with it.
QString readStep(const QJsonValue& value, int number, Step& step)
{
    const QString where = LessonFile::tr("step %1").arg(number);
    if (!value.isObject())
        return LessonFile::tr("%1 is %2, not an object").arg(where, kindOf(value));
    const QJsonObject object = value.toObject();
    const QJsonValue command = object.value(QLatin1String("command"));
    if (!command.isString())
        return wrongKind(where, QStringLiteral("command"), command, LessonFile::tr("a text"));
    const auto known = commandNamed(command.toString().toStdString());
    if (!known)
        return LessonFile::tr("%1: unknown command %2").arg(where, quoted(command.toString()));
    step.command = *known;
    const QJsonValue terms = object.value(QLatin1String("terms"));
    if (!terms.isString())
        return wrongKind(where, QStringLiteral("terms"), terms, LessonFile::tr("a text"));
    step.terms = terms.toString().toStdString();
    const QJsonValue scale = object.value(QLatin1String("scale"));
    if (!scale.isString())
        return wrongKind(where, QStringLiteral("scale"), scale, LessonFile::tr("a text"));
    step.scale = scale.toString().toStdString();
    const QJsonValue cancelled = object.value(QLatin1String("cancelled"));
    if (!cancelled.isUndefined() && !cancelled.isBool())
        return wrongKind(
            where, QStringLiteral("cancelled"), cancelled, LessonFile::tr("true or false"));
    step.outcome.cancelled = cancelled.toBool(false);
    return {};
}

/// \a text as a JSON string, quotes included; every other character stays as it is in UTF-8.
void appendJsonString(QByteArray& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

LessonReading parseLesson(const QByteArray& file)
{
    if (static_cast<std::size_t>(file.size()) > maxLessonBytes)
        return refusal(LessonFile::tr("the file is larger than 1 MiB"));
    // A byte order mark is no part of the JSON; an editor may have put one there all the same.
    const QByteArray bytes = file.startsWith("\xEF\xBB\xBF") ? file.mid(3) : file;
    QStringDecoder utf8(QStringDecoder::Utf8);
    static_cast<void>(QString(utf8.decode(bytes)));
    if (utf8.hasError())
        return refusal(LessonFile::tr("the file is not UTF-8 text"));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return refusal(LessonFile::tr("%1: not JSON: %2")
                           .arg(placeOf(bytes, parseError.offset), parseError.errorString()));
    }
    if (!document.isObject())
        return refusal(LessonFile::tr("the file holds no lesson: it is not a JSON object"));
    const QJsonObject lesson = document.object();
    const QString start = LessonFile::tr("the file");

    const QJsonValue format = lesson.value(QLatin1String("format"));
    if (!format.isString())
        return refusal(
            wrongKind(start, QStringLiteral("format"), format, LessonFile::tr("a text")));
    if (format.toString() != fromView(lessonFormat)) {
        return refusal(LessonFile::tr("\"format\" is %1, not \"%2\"")
                           .arg(quoted(format.toString()), fromView(lessonFormat)));
    }
    const QJsonValue version = lesson.value(QLatin1String("version"));
    if (!version.isDouble())
        return refusal(
            wrongKind(start, QStringLiteral("version"), version, LessonFile::tr("a number")));
    if (version.toDouble() > lessonVersion) {
        return refusal(
            LessonFile::tr("\"version\" is %1, newer than this program reads (%2)")
                .arg(QString::number(version.toDouble()), QString::number(lessonVersion)));
    }
    if (version.toDouble() != lessonVersion) {
        return refusal(LessonFile::tr("\"version\" is %1, not a version of lesson files")
                           .arg(QString::number(version.toDouble())));
    }
    const QJsonValue list = lesson.value(QLatin1String("steps"));
    if (!list.isArray())
        return refusal(wrongKind(start, QStringLiteral("steps"), list, LessonFile::tr("a list")));
    const QJsonArray steps = list.toArray();
    if (static_cast<std::size_t>(steps.size()) > maxLessonSteps) {
        return refusal(
            LessonFile::tr("\"steps\" holds %1 steps, more than the %2 a lesson may have")
                .arg(QString::number(steps.size()), QString::number(maxLessonSteps)));
    }

    LessonReading reading;
    reading.steps.reserve(static_cast<std::size_t>(steps.size()));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        Step step;
        const QString error = readStep(steps[i], static_cast<int>(i + 1), step);
        if (!error.isEmpty())
            return refusal(error);
        reading.steps.push_back(std::move(step));
    }
    return reading;
}

LessonReading readLessonFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        return refusal(LessonFile::tr("it is a folder, not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusal(file.errorString());
    // One byte more than a lesson may have is enough to tell it is too large.
    const QByteArray bytes = file.read(static_cast<qint64>(maxLessonBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return refusal(file.errorString());
    return parseLesson(bytes);
}

QByteArray lessonBytes(std::span<const Step> steps)
{
    QByteArray out;
    out += "{\"format\": ";
    appendJsonString(out, lessonFormat);
    out += ", \"version\": " + QByteArray::number(lessonVersion) + ",\n \"steps\": [";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (i > 0)
            out += ",\n           ";
        out += "{\"command\": ";
        appendJsonString(out, commandWord(step.command));
        out += ", \"terms\": ";
        appendJsonString(out, step.terms);
        out += ", \"scale\": ";
        appendJsonString(out, step.scale);
        if (step.outcome.cancelled)
            out += ", \"cancelled\": true";
        out += '}';
    }
    out += "]}\n";
    return out;
}

QString writeLessonFile(const QString& path, const QByteArray& bytes)
{
    // QSaveFile writes beside the target and renames only on commit. Its commit can report
    // success when the last flush found the disk full, so the flush and the sync are checked
    // before it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (::fsync(file.handle()) != 0) {
        const QString why = qt_error_string(errno);
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace fourier
