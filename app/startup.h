// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fourier {

class Translations;

/// A copy of main's arguments that QApplication may be given more than once: each start gets
/// a fresh array, which QApplication keeps referring to and thins out.
class ApplicationArguments {
public:
    ApplicationArguments(int argc, char** argv);
    /// Makes the count and the array whole again, for the next QApplication.
    void refill();
    int& count() { return m_count; }
    char** values() { return m_pointers.data(); }

private:
    std::vector<std::string> m_strings;
    std::vector<char*> m_pointers;
    int m_count = 0;
};

/// Makes sure Qt has the private folder it keeps its runtime files in: where XDG_RUNTIME_DIR is
/// not set (as root, in cron, in a bare terminal) it is made, as Qt would make it, and named in
/// the variable, so that Qt does not warn about it on standard error. Called before the first
/// application object.
void provideRuntimeDirectory();

/// Why no window can be shown, as one line for standard error, or empty when a display is
/// there to try. \a platform is the one named on the command line, if any.
QString missingDisplay(const QString& platform);

/// An application object that needs no display, speaking the language of \a translations:
/// Qt hands out translations only through one, and the command line is read with it.
std::unique_ptr<QCoreApplication> startCoreApplication(
    ApplicationArguments& arguments, Translations& translations);

/// An application that draws without a display, on Qt's offscreen platform, speaking the
/// language of \a translations: for exporting a picture with no window, whether or not a
/// display is there.
std::unique_ptr<QGuiApplication> startOffscreenApplication(
    ApplicationArguments& arguments, Translations& translations);

/// The application, speaking the language of \a translations, with the window enlarged \a zoom
/// times if asked (as QT_SCALE_FACTOR does), lowered to what fits the screen, with a line on
/// standard error when it had to be. A display that cannot be opened ends the program with a
/// line on standard error and status 1.
std::unique_ptr<QApplication> startApplication(
    ApplicationArguments& arguments, std::optional<double> zoom, Translations& translations);

} // namespace fourier
