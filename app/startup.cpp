// SPDX-License-Identifier: MIT
#include "startup.h"

#include "commandline.h"
#include "language.h"
#include "translations.h"
#include "windowsize.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSemaphore>
#include <QThreadPool>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <latch>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fourier {

namespace {

constexpr const char* scaleVariable = "QT_SCALE_FACTOR";
/// No screen is 16 windows wide; anything larger is only tried at this size, then lowered.
constexpr double largestZoomTried = 16.0;
/// Room left for the window manager's title bar and borders, in the screen's own pixels.
constexpr QSize decorations { 16, 48 };
/// Far longer than starting a few threads takes, even on a busy machine.
constexpr std::chrono::seconds threadStartTimeout { 1 };

void printLine(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
}

/// Where the display was looked for, for the one line that says it could not be opened.
QString displayNames()
{
    QStringList names;
    for (const char* variable : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" }) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            names.append(QString::fromLatin1(variable) + QStringLiteral("=")
                + qEnvironmentVariable(variable));
        }
    }
    return names.isEmpty() ? QCoreApplication::translate("Startup", "no DISPLAY set")
                           : names.join(QStringLiteral(", "));
}

/// The line that says the display cannot be opened. Qt says so while QApplication is still
/// being made, before it can take a translation, so the language is worked out afresh from the
/// arguments and the environment, and its translation read directly.
QString unreachableDisplayLine()
{
    const Translations translations(
        chosenLanguage(QCoreApplication::arguments(), LocaleVariables::fromEnvironment()));
    return QCoreApplication::applicationName() + QStringLiteral(": ")
        + translations.translate("Startup", "cannot open the display to show the window on (%1)")
              .arg(displayNames());
}

/// Message handler while QApplication starts. When its platform plugin cannot open the display,
/// Qt reports a fatal error with advice about reinstalling and then aborts, dumping core. The
/// program ends here instead with one line that names the display. The plugin's own warnings
/// that lead up to it say the same in Qt's terms, so they are held back.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        printLine(unreachableDisplayLine());
        std::_Exit(EXIT_FAILURE);
    }
    if (context.category && QByteArrayView(context.category).startsWith("qt.qpa."))
        return;
    printLine(qFormatLogMessage(type, context, message));
}

/// Whether the system gives \a count threads at once, now.
bool threadsToBeHad(int count)
{
    std::latch release(1);
    std::vector<std::thread> threads;
    try {
        for (int i = 0; i < count; ++i)
            threads.emplace_back([&release] { release.wait(); });
    } catch (const std::system_error&) {
    }
    release.count_down();
    for (std::thread& thread : threads)
        thread.join();
    return threads.size() == static_cast<std::size_t>(count);
}

/// Qt's raster painting shares a large fill (a progress bar, a long line) among the threads of
/// Qt's global pool and waits for them. Should the system refuse the pool a thread it starts
/// then, under a tight limit on processes, that wait never ends: the window would hang with its
/// progress dialog half painted, deaf to Cancel, while the sums go on without threads of their
/// own. So the pool's threads are started now, while threads are to be had, and kept for the
/// program's life; a fill then never needs a new one.
void keepPaintingThreads()
{
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    // A task handed to a thread the system refuses is lost, and the pool would wait for it as the
    // program ends: the pool is only asked for threads the system has just shown it has.
    if (!threadsToBeHad(threads))
        return;
    pool->setExpiryTimeout(-1);
    struct Gate {
        QSemaphore started;
        QSemaphore open;
    };
    // Each task holds its thread until all have started, so that each gets a thread of its own.
    const auto gate = std::make_shared<Gate>();
    for (int i = 0; i < threads; ++i) {
        pool->start([gate] {
            gate->started.release();
            gate->open.acquire();
        });
    }
    // A thread the system refuses leaves its task unrun: the wait gives up rather than hang.
    static_cast<void>(gate->started.tryAcquire(threads, threadStartTimeout));
    gate->open.release(threads);
}

std::unique_ptr<QApplication> openApplication(
    ApplicationArguments& arguments, Translations& translations)
{
    arguments.refill();
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    auto application = std::make_unique<QApplication>(arguments.count(), arguments.values());
    qInstallMessageHandler(previous);
    translations.install();
    keepPaintingThreads();
    return application;
}

/// The factor the user set in QT_SCALE_FACTOR, 1 if none: the zoom multiplies it.
double userScaleFactor()
{
    bool isNumber = false;
    const double factor = qEnvironmentVariable(scaleVariable).toDouble(&isNumber);
    return isNumber && factor > 0.0 && factor <= largestZoomTried ? factor : 1.0;
}

void setScaleFactor(double factor)
{
    qputenv(scaleVariable, QByteArray::number(factor, 'g', 6));
}

} // namespace

ApplicationArguments::ApplicationArguments(int argc, char** argv)
    : m_strings(argv, argv + argc)
{
}

void ApplicationArguments::refill()
{
    m_pointers.clear();
    for (std::string& argument : m_strings)
        m_pointers.push_back(argument.data());
    m_pointers.push_back(nullptr);
    m_count = static_cast<int>(m_strings.size());
}

void provideRuntimeDirectory()
{
    constexpr const char* runtimeVariable = "XDG_RUNTIME_DIR";
    if (!qEnvironmentVariableIsEmpty(runtimeVariable))
        return;
    constexpr mode_t ownerOnly = 0700;
    const QByteArray folder = QFile::encodeName(
        QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(getuid()));
    ::mkdir(folder.constData(), ownerOnly);
    // A folder of that name that someone else made, or that others may enter, is no private
    // folder: Qt is then left to say so.
    struct stat status { };
    if (::lstat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode)
        || status.st_uid != getuid() || (status.st_mode & 0777) != ownerOnly)
        return;
    qputenv(runtimeVariable, folder);
}

QString missingDisplay(const QString& platform)
{
    // A platform chosen on purpose (offscreen, vnc, eglfs, ...) needs no display server, and
    // a DISPLAY that names a server which does not answer is caught as Qt starts. What is left
    // to see beforehand is the usual case: a terminal or a job with no display at all.
    if (!platform.isEmpty() || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return QCoreApplication::applicationName() + QStringLiteral(": ")
        + QCoreApplication::translate("Startup",
            "no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set");
}

std::unique_ptr<QCoreApplication> startCoreApplication(
    ApplicationArguments& arguments, Translations& translations)
{
    arguments.refill();
    auto application = std::make_unique<QCoreApplication>(arguments.count(), arguments.values());
    translations.install();
    return application;
}

std::unique_ptr<QGuiApplication> startOffscreenApplication(
    ApplicationArguments& arguments, Translations& translations)
{
    // Read as the application starts, and only then.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    arguments.refill();
    auto application = std::make_unique<QGuiApplication>(arguments.count(), arguments.values());
    translations.install();
    keepPaintingThreads();
    return application;
}

std::unique_ptr<QApplication> startApplication(
    ApplicationArguments& arguments, std::optional<double> zoom, Translations& translations)
{
    if (!zoom)
        return openApplication(arguments, translations);

    const double userFactor = userScaleFactor();
    const double tried = std::min(*zoom, largestZoomTried);
    setScaleFactor(userFactor * tried);
    auto application = openApplication(arguments, translations);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return application;

    // Logical pixels at this zoom, times the zoom, are the window's own pixels at zoom 1.
    const QSizeF room = (QSizeF(screen->availableGeometry().size())
                            - QSizeF(decorations) / screen->devicePixelRatio())
        * tried;
    const double fitting = fittingZoom(tried, formSize, room);
    if (fitting < *zoom) {
        printLine(QCoreApplication::applicationName() + QStringLiteral(": ")
            + QCoreApplication::translate(
                "Startup", "a zoom of %1 does not fit the screen; using %2")
                  .arg(*zoom)
                  .arg(fitting));
    }
    if (fitting == tried)
        return application;
    // Qt reads the scale factor only as it starts.
    application.reset();
    setScaleFactor(userFactor * fitting);
    return openApplication(arguments, translations);
}

} // namespace fourier
