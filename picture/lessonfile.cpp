// SPDX-License-Identifier: MIT
#include "lessonfile.h"

#include "echo.h"
#include "safewrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringDecoder>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fourier {

namespace {

/// The context of the lesson file's messages for translators.
class LessonFile {
    Q_DECLARE_TR_FUNCTIONS(LessonFile)
};

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// What kind of JSON value \a value is, as a message names it.
QString kindOf(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        //: A kind of value in the file, as the messages "... is %3, not %4" name it.
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
std::pair<int, qsizetype> placeOf(const QByteArray& bytes, qsizetype offset)
{
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return { line, QString::fromUtf8(bytes.mid(lineStart, offset - lineStart)).size() + 1 };
}

LessonReading refusal(const QString& error)
{
    return { {}, error };
}

QString notARegularFile()
{
    //: Said of a lesson that is a named pipe, a device or a socket rather than a file.
    return LessonFile::tr("not a regular file");
}

/// Says that member \a name of step \a number (from 1), or of the file itself when \a number
/// is 0, is missing, or is \a value's kind rather than \a wanted. Each is one whole sentence,
/// so that a translation may order its parts as the language needs.
QString wrongKind(int number, const QString& name, const QJsonValue& value, const QString& wanted)
{
    if (number == 0) {
        if (value.isUndefined()) {
            //: %1 is the name of a member the file lacks, such as format.
            return LessonFile::tr("the file: no \"%1\"").arg(name);
        }
        //: %1 is the name of a member of the file, %2 the kind of value it holds, %3 the kind
        //: it should hold, such as "a number".
        return LessonFile::tr("the file: \"%1\" is %2, not %3").arg(name, kindOf(value), wanted);
    }
    if (value.isUndefined()) {
        //: %1 is the number of the step, %2 the name of a member it lacks, such as scale.
        return LessonFile::tr("step %1: no \"%2\"").arg(QString::number(number), name);
    }
    //: %1 is the number of the step, %2 the name of one of its members, %3 the kind of value
    //: it holds, %4 the kind it should hold, such as "a text".
    return LessonFile::tr("step %1: \"%2\" is %3, not %4")
        .arg(QString::number(number), name, kindOf(value), wanted);
}

/// Reads step \a number (from 1) of the list into \a step, or says what is wrong with it.
QString readStep(const QJsonValue& value, int number, Step& step)
{
    if (!value.isObject()) {
        //: %1 is the number of the step, %2 the kind of value it is, such as "a number".
        return LessonFile::tr("step %1 is %2, not an object")
            .arg(QString::number(number), kindOf(value));
    }
    const QJsonObject object = value.toObject();
    const QJsonValue command = object.value(QLatin1String("command"));
    if (!command.isString())
        return wrongKind(number, QStringLiteral("command"), command, LessonFile::tr("a text"));
    const auto known = commandNamed(command.toString().toStdString());
    if (!known) {
        //: %1 is the number of the step, %2 the word the file has where the name of a button's
        //: command (square, sin, ...) should be.
        return LessonFile::tr("step %1: unknown command \"%2\"")
            .arg(QString::number(number), echoed(command.toString()));
    }
    step.command = *known;
    const QJsonValue terms = object.value(QLatin1String("terms"));
    if (!terms.isString())
        return wrongKind(number, QStringLiteral("terms"), terms, LessonFile::tr("a text"));
    step.terms = terms.toString().toStdString();
    const QJsonValue scale = object.value(QLatin1String("scale"));
    if (!scale.isString())
        return wrongKind(number, QStringLiteral("scale"), scale, LessonFile::tr("a text"));
    step.scale = scale.toString().toStdString();
    const QJsonValue cancelled = object.value(QLatin1String("cancelled"));
    if (!cancelled.isUndefined() && !cancelled.isBool())
        return wrongKind(
            number, QStringLiteral("cancelled"), cancelled, LessonFile::tr("true or false"));
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

/// Reads the JSON object \a file holds into \a lesson, or says why it holds none.
QString readObject(const QByteArray& file, QJsonObject& lesson)
{
    if (static_cast<std::size_t>(file.size()) > maxLessonBytes)
        return LessonFile::tr("the file is larger than 1 MiB");
    // A byte order mark is no part of the JSON; an editor may have put one there all the same.
    const QByteArray bytes = file.startsWith("\xEF\xBB\xBF") ? file.mid(3) : file;
    QStringDecoder utf8(QStringDecoder::Utf8);
    static_cast<void>(QString(utf8.decode(bytes)));
    if (utf8.hasError())
        return LessonFile::tr("the file is not UTF-8 text");
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const auto [line, column] = placeOf(bytes, parseError.offset);
        //: %1 and %2 say where in the file it stops being JSON, %3 why, in Qt's words.
        return LessonFile::tr("line %1, column %2: not JSON: %3")
            .arg(QString::number(line), QString::number(column), parseError.errorString());
    }
    if (!document.isObject())
        return LessonFile::tr("the file holds no lesson: it is not a JSON object");
    lesson = document.object();
    return {};
}

/// Says why \a lesson is not of the format and version this program reads, or nothing.
QString checkFormat(const QJsonObject& lesson)
{
    const QJsonValue format = lesson.value(QLatin1String("format"));
    if (!format.isString())
        return wrongKind(0, QStringLiteral("format"), format, LessonFile::tr("a text"));
    if (format.toString() != fromView(lessonFormat)) {
        //: %1 is the format the file names, %2 the one of lesson files.
        return LessonFile::tr("\"format\" is \"%1\", not \"%2\"")
            .arg(echoed(format.toString()), fromView(lessonFormat));
    }
    const QJsonValue version = lesson.value(QLatin1String("version"));
    if (!version.isDouble())
        return wrongKind(0, QStringLiteral("version"), version, LessonFile::tr("a number"));
    if (version.toDouble() > lessonVersion) {
        return LessonFile::tr("\"version\" is %1, newer than this program reads (%2)")
            .arg(QString::number(version.toDouble()), QString::number(lessonVersion));
    }
    if (version.toDouble() != lessonVersion) {
        return LessonFile::tr("\"version\" is %1, not a version of lesson files")
            .arg(QString::number(version.toDouble()));
    }
    return {};
}

/// Reads the steps of \a lesson into \a steps, or says what is wrong with them.
QString readSteps(const QJsonObject& lesson, std::vector<Step>& steps)
{
    const QJsonValue list = lesson.value(QLatin1String("steps"));
    if (!list.isArray())
        return wrongKind(0, QStringLiteral("steps"), list, LessonFile::tr("a list"));
    const QJsonArray array = list.toArray();
    if (static_cast<std::size_t>(array.size()) > maxLessonSteps) {
        return LessonFile::tr("\"steps\" holds %1 steps, more than the %2 a lesson may have")
            .arg(QString::number(array.size()), QString::number(maxLessonSteps));
    }
    steps.reserve(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        Step step;
        const QString error = readStep(array[i], static_cast<int>(i + 1), step);
        if (!error.isEmpty())
            return error;
        steps.push_back(std::move(step));
    }
    return {};
}

} // namespace

LessonReading parseLesson(const QByteArray& file)
{
    QJsonObject lesson;
    QString error = readObject(file, lesson);
    if (error.isEmpty())
        error = checkFormat(lesson);
    LessonReading reading;
    if (error.isEmpty())
        error = readSteps(lesson, reading.steps);
    return error.isEmpty() ? reading : refusal(error);
}

LessonReading readLessonFile(const QString& path)
{
    // A named pipe nobody writes to would hold the program in open() for good, a device may
    // never end or may act on being opened at all: only a regular file is opened, and without
    // waiting, in case another file has taken the name since it was looked at.
    const QByteArray name = QFile::encodeName(path);
    struct stat status { };
    if (::stat(name.constData(), &status) != 0)
        return refusal(qt_error_string(errno));
    if (S_ISDIR(status.st_mode))
        return refusal(LessonFile::tr("it is a folder, not a file"));
    if (!S_ISREG(status.st_mode))
        return refusal(notARegularFile());
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return refusal(qt_error_string(errno));
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return refusal(file.errorString());
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return refusal(notARegularFile());
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
        appendJsonString(out, commandRow(step.command).word);
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
    return writeFileSafely(path, bytes);
}

} // namespace fourier
