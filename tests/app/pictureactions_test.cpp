// SPDX-License-Identifier: MIT
#include "coretexts.h"
#include "curvenumbers.h"
#include "describelesson.h"
#include "exportsize.h"
#include "fakeform.h"
#include "form1.h"
#include "imagesurface.h"
#include "lessonfile.h"
#include "modaldismisser.h"
#include "pictureactions.h"
#include "picturebox.h"
#include "pictureexport.h"
#include "pixels.h"
#include "player.h"
#include "smalldisk.h"
#include "usermapping.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <charconv>
#include <cmath>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <new>
#include <numbers>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fourier {
namespace {

QAction* menuEntry(QWidget& widget, const QString& text)
{
    for (QAction* action : widget.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QLineEdit* box(Form1& form, const char* name)
{
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* button(Form1& form, const char* name)
{
    return form.findChild<QPushButton*>(QString::fromLatin1(name));
}

/// What the window shows and keeps: the plot area's pixels, coordinate system and description,
/// and the two boxes.
struct Shown {
    explicit Shown(Form1& form)
        : pixels(form.pictureBox().surface().image())
        , userScale(form.pictureBox().surface().mapping().isUserScale())
        , scale(form.pictureBox().surface().mapping().right())
        , description(form.pictureBox().accessibleDescription())
        , terms(box(form, "T1")->text())
        , scaleText(box(form, "T2")->text())
    {
    }
    bool operator==(const Shown&) const = default;

    QImage pixels;
    bool userScale;
    double scale;
    QString description;
    QString terms;
    QString scaleText;
};

void setTexts(Form1& form, const char* terms, const char* scale)
{
    box(form, "T1")->setText(QString::fromLatin1(terms));
    box(form, "T2")->setText(QString::fromLatin1(scale));
}

bool activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QElapsedTimer timer;
    timer.start();
    while (!window.isActiveWindow() && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return window.isActiveWindow();
}

/// A window with two curves on it, and what its plot area shows and says before anything else.
struct DrawnWindow {
    DrawnWindow()
    {
        form.Ejecutar_Click();
        form.Command2_Click();
        picture = pic.surface().image();
        description = pic.accessibleDescription();
    }
    Form1 form;
    PictureBox& pic = form.pictureBox();
    QImage picture;
    QString description;
};

/// Shows the readout on \a pic: the probe moved off the origin, and the tooltip over a curve.
void showReadout(PictureBox& pic)
{
    ASSERT_TRUE(activate(*pic.window()));
    pic.setFocus();
    for (const auto key : { Qt::Key_Up, Qt::Key_Up, Qt::Key_Right }) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&pic, &press);
    }
    const QPoint at = pic.contentsRect().topLeft() + QPoint(215, 97);
    QHelpEvent help(QEvent::ToolTip, at, pic.mapToGlobal(at));
    QApplication::sendEvent(&pic, &help);
    EXPECT_EQ(pic.probe(), QPoint(187, 161));
    EXPECT_TRUE(QToolTip::isVisible());
}

TEST(PictureOut, CopyPicturePutsTheDrawingAreasOwnPixelsOnTheClipboard)
{
    DrawnWindow window;
    // Neither the probe nor the tooltip is part of the picture.
    showReadout(window.pic);
    const QString described = window.pic.accessibleDescription();
    EXPECT_EQ(window.pic.contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* copy = menuEntry(window.pic, QStringLiteral("Copy Picture"));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(menuEntry(window.pic, QStringLiteral("Save Picture As\u2026")), nullptr);

    QGuiApplication::clipboard()->clear();
    copy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    // The model image, not the widget with its border and not a screen grab.
    EXPECT_EQ(copied.size(), QSize(373, 325));
    EXPECT_EQ(copied.convertToFormat(window.picture.format()), window.picture);
    EXPECT_EQ(window.pic.surface().image(), window.picture);
    EXPECT_EQ(window.pic.accessibleDescription(), described);

    // Exporting and printing have keys that reach them from anywhere in the window.
    const std::pair<const char*, QKeySequence> keyed[] = {
        { "Export Picture\u2026", QKeySequence(Qt::CTRL | Qt::Key_E) },
        { "Print\u2026", QKeySequence(Qt::CTRL | Qt::Key_P) },
    };
    for (const auto& [text, keys] : keyed) {
        QAction* action = menuEntry(window.pic, QString::fromUtf8(text));
        ASSERT_NE(action, nullptr) << text;
        EXPECT_EQ(action->shortcut(), keys);
        EXPECT_EQ(action->shortcutContext(), Qt::WindowShortcut);
    }
}

/// A window with three purple curves that look alike: the square sums of 1, 3 and 10 terms at
/// scale 10.
struct SquaresWindow {
    SquaresWindow()
    {
        for (const char* terms : { "1", "3", "10" }) {
            setTexts(form, terms, "10");
            form.Ejecutar_Click();
        }
    }
    Form1 form;
    PictureBox& pic = form.pictureBox();
    PictureActions& actions = *pic.findChild<PictureActions*>();
    QTemporaryDir folder;

    /// Exports the picture at \a factor times the plot area to the file \a name in the folder.
    QString exported(const char* name, int factor)
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(actions.exportPicture(path, *ExportSize::times(factor))) << name;
        return path;
    }
};

constexpr QRgb purple = qRgb(128, 0, 128);

/// The pixels of \a colour in \a large, \a k times \a small, that do not lie in the k by k
/// block of a pixel of \a small that has that colour or was drawn over, nor touch that block.
std::vector<QPoint> outsideTheirBlocks(const QImage& large, const QImage& small, int k, QRgb colour)
{
    std::vector<QPoint> astray;
    testing::forEachPixel(large, [&](QRgb pixel, int column, int row) {
        if (pixel != colour)
            return;
        bool found = false;
        for (int c = (column - k) / k; c <= (column + 1) / k && !found; ++c) {
            for (int r = (row - k) / k; r <= (row + 1) / k && !found; ++r) {
                found = QRect(0, 0, small.width(), small.height()).contains(c, r)
                    && column >= k * c - 1 && column <= k * c + k && row >= k * r - 1
                    && row <= k * r + k && small.pixel(c, r) != testing::white;
            }
        }
        if (!found)
            astray.emplace_back(column, row);
    });
    return astray;
}

/// The pixels of \a colour in \a small whose k by k block in \a large, k times \a small, holds
/// nothing, not even where it touches the blocks beside it: neither a point of that colour nor
/// the axes or numbers that may hide one (their letters are shaped afresh for each size).
std::vector<QPoint> missingFromTheirBlocks(
    const QImage& small, const QImage& large, int k, QRgb colour)
{
    const QImage wide = large.convertToFormat(QImage::Format_RGB32);
    std::vector<QPoint> missing;
    testing::forEachPixel(small, [&](QRgb pixel, int column, int row) {
        if (pixel != colour)
            return;
        const QRect block = QRect(k * column - 1, k * row - 1, k + 2, k + 2) & wide.rect();
        bool found = false;
        for (int r = block.top(); r <= block.bottom() && !found; ++r) {
            for (int c = block.left(); c <= block.right() && !found; ++c)
                found = wide.pixel(c, r) != testing::white;
        }
        if (!found)
            missing.emplace_back(column, row);
    });
    return missing;
}

/// How many pixels are purple in one of \a a and \a b, of one size, but not in the other.
std::size_t differingPurple(const QImage& a, const QImage& b)
{
    std::size_t count = 0;
    testing::forEachPixel(a, [&](QRgb pixel, int column, int row) {
        count += (pixel == purple) != (b.pixel(column, row) == purple) ? 1 : 0;
    });
    return count;
}

/// The sizes of the letters of \a svg's texts.
std::vector<double> fontSizes(const QByteArray& svg)
{
    static const QRegularExpression size(QStringLiteral("<text [^>]*font-size=\"([0-9.]+)\""));
    std::vector<double> sizes;
    for (auto match = size.globalMatch(QString::fromUtf8(svg)); match.hasNext();)
        sizes.push_back(match.next().captured(1).toDouble());
    return sizes;
}

QByteArray contents(const QString& path);
void writeFile(const QString& path, const QByteArray& text);

TEST(PictureOut, AnExportIsThePlotAreaAtOneTimesAndEveryPointInItsBlockAtThree)
{
    SquaresWindow window;
    const QImage shown = window.pic.surface().image();
    const QImage one = QImage(window.exported("one.png", 1)).convertToFormat(shown.format());
    EXPECT_EQ(one, shown);

    const QImage three = QImage(window.exported("three.png", 3));
    ASSERT_EQ(three.size(), QSize(3 * 373, 3 * 325));
    EXPECT_GT(testing::countColour(three, purple), 2 * testing::countColour(shown, purple));
    EXPECT_TRUE(outsideTheirBlocks(three, shown, 3, purple).empty());
    EXPECT_TRUE(missingFromTheirBlocks(shown, three, 3, purple).empty());
    // The picture on screen is left as it was.
    EXPECT_EQ(window.pic.surface().image(), shown);

    // The numbers grow with the picture: three times as large at three times the size.
    const std::vector<double> small = fontSizes(contents(window.exported("one.svg", 1)));
    const std::vector<double> large = fontSizes(contents(window.exported("three.svg", 3)));
    ASSERT_FALSE(small.empty());
    ASSERT_EQ(small.size(), large.size());
    EXPECT_NEAR(large.front(), 3 * small.front(), 0.01);

    // A drawing's curves cover the very pixels of the image of its size, but where the numbers,
    // drawn by another renderer, blend with them.
    QSvgRenderer drawing(window.folder.filePath(QStringLiteral("three.svg")));
    QImage rendered(three.size(), QImage::Format_RGB32);
    rendered.fill(Qt::black);
    QPainter painter(&rendered);
    drawing.render(&painter);
    painter.end();
    EXPECT_LT(differingPurple(rendered, three), testing::countColour(three, purple) / 100);

    // Copy Picture copies at the size exported last.
    EXPECT_EQ(window.actions.lastExportSize(), *ExportSize::times(3));
    window.actions.copyPicture();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(three.format()), three);
}

/// The text pdftotext finds in the PDF file at \a path, its blanks and line breaks made single
/// blanks; nothing when pdftotext is missing.
std::optional<QString> pdfText(const QString& path, const QStringList& options = {})
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, options + QStringList { path, QStringLiteral("-") });
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

TEST(PictureOut, DrawingsAndDocumentsKeepTheirNumbersAsTextAndStaySmall)
{
    SquaresWindow window;
    for (const int factor : { 1, 8 }) {
        SCOPED_TRACE(factor);
        for (const char* name : { "picture.svg", "picture.pdf" }) {
            SCOPED_TRACE(name);
            const QString path = window.exported(name, factor);
            EXPECT_LT(QFileInfo(path).size(), 2 << 20);
            if (path.endsWith(QLatin1String(".svg"))) {
                const QByteArray svg = contents(path);
                // The numbers, and one shape for each of the three curves.
                EXPECT_NE(svg.indexOf(">-5 </text>"), -1);
                EXPECT_EQ(svg.count("fill=\"#800080\""), 3);
                continue;
            }
            const std::optional<QString> text = pdfText(path);
            if (!text)
                GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
            EXPECT_TRUE(text->contains(QStringLiteral("-3 -2 -1"))) << text->toStdString();
        }
    }
}

/// A printer whose paint engine runs out of memory as painting begins. (Thrown from inside a
/// painting Qt has begun, it would leave Qt's own painter state behind, which Qt does not
/// expect and the leak checker reports.)
class ExhaustedPrinter final : public QPrinter {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }

private:
    class Engine final : public QPaintEngine {
    public:
        bool begin(QPaintDevice*) override { throw std::bad_alloc(); }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override { }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
        Type type() const override { return User; }
    };
    mutable Engine m_engine;
};

TEST(PictureOut, PrintingFillsThePageAndListsTheCurvesBeneathWhenAsked)
{
    SquaresWindow window;
    {
        // Out of memory on the way to the printer, a message says so, and the window keeps its
        // picture and its steps.
        const QImage shown = window.pic.surface().image();
        testing::ModalDismisser dismisser;
        ExhaustedPrinter printer;
        EXPECT_FALSE(window.actions.print(printer, true));
        ASSERT_EQ(dismisser.messages.size(), 1u);
        EXPECT_EQ(dismisser.messages[0],
            "The picture could not be printed: not enough memory to export this picture");
        EXPECT_EQ(window.pic.surface().image(), shown);
        EXPECT_EQ(window.form.document().history().undoCount(), 3u);
    }
    for (const bool caption : { true, false }) {
        SCOPED_TRACE(caption);
        const QString path = window.folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        ASSERT_TRUE(window.actions.print(printer, caption));
        const std::optional<QString> text = pdfText(path);
        if (!text)
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        EXPECT_TRUE(text->contains(QStringLiteral("-3 -2 -1"))) << text->toStdString();
        EXPECT_EQ(text->contains(QStringLiteral("Square series, 1 term, scale 10; Square series, "
                                                "3 terms, scale 10; Square series, 10 terms, "
                                                "scale 10")),
            caption)
            << text->toStdString();

        // The numbers from -9 to 9 reach across most of the page's width.
        const QString boxes = *pdfText(path, { QStringLiteral("-bbox") });
        static const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\""));
        static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\""));
        double left = 1e9;
        double right = 0;
        for (auto match = word.globalMatch(boxes); match.hasNext();) {
            const auto found = match.next();
            left = std::min(left, found.captured(1).toDouble());
            right = std::max(right, found.captured(2).toDouble());
        }
        EXPECT_GT(right - left, 0.8 * page.match(boxes).captured(1).toDouble());
    }
}

/// A curve, its ideal wave drawn behind it, and another curve drawn over that.
struct IdealCase {
    const char* name;
    /// The first curve's step and the second's, in a lesson file's words.
    const char* curve;
    const char* later;
    double scale;
    /// The ideal wave, as the series' limit is written in a textbook.
    double (*wave)(double x);
    /// Where it jumps: at every whole multiple of this, or nowhere for 0; and across what.
    double jumpEvery;
    double jumpLow;
    double jumpHigh;
    /// A light tint of the first curve's colour.
    QRgb tint;
    /// Whether the first curve is its own ideal wave, drawn over it all but a few pixels.
    bool ownIdeal = false;
};

constexpr double pi = 3.14159265358979323846;

const IdealCase idealCases[] = {
    { "square", R"({"command": "square", "terms": "10", "scale": "10"})",
        R"({"command": "sin", "terms": "10", "scale": "10"})", 10,
        [](double x) { return std::sin(x) > 0 ? pi : -pi; }, pi, -pi, pi, qRgb(223, 191, 223) },
    { "triangle", R"({"command": "triangle", "terms": "3", "scale": "5"})",
        R"({"command": "square", "terms": "3", "scale": "5"})", 5,
        [](double x) { return pi * pi / 2 - pi * std::abs(x - 2 * pi * std::round(x / (2 * pi))); },
        0, 0, 0, qRgb(255, 191, 191) },
    { "sawtooth upside down", R"({"command": "sawtooth", "terms": "4", "scale": "-8"})",
        R"({"command": "cos", "terms": "4", "scale": "-8"})", -8,
        [](double x) { return 2 * (x - 2 * pi * std::floor(x / (2 * pi)) - pi); }, 2 * pi, -2 * pi,
        2 * pi, qRgb(191, 255, 191) },
    { "sin x", R"({"command": "sin", "terms": "1", "scale": "3"})",
        R"({"command": "triangle", "terms": "2", "scale": "3"})", 3,
        [](double x) { return 4 * std::sin(x); }, 0, 0, 0, qRgb(191, 191, 223), true },
    { "cos x", R"({"command": "cos", "terms": "1", "scale": "10"})",
        R"({"command": "sawtooth", "terms": "10", "scale": "10"})", 10,
        [](double x) { return 4 * std::cos(x); }, 0, 0, 0, qRgb(191, 191, 191), true },
};

/// The pixels in the column \a column of \a area that the graph of \a c's wave passes through,
/// from its top row to its bottom one: the wave sampled 16 times across the column, and a jump
/// in it as a whole vertical segment.
std::pair<double, double> waveRows(const IdealCase& c, const UserMapping& area, int column)
{
    double top = std::numeric_limits<double>::infinity();
    double bottom = -top;
    const auto take = [&](double y) {
        top = std::min(top, area.pixelY(y));
        bottom = std::max(bottom, area.pixelY(y));
    };
    for (int j = 0; j < 16; ++j)
        take(c.wave(area.userX(column + (j + 0.5) / 16)));
    const double x1 = std::min(area.userX(column), area.userX(column + 1));
    const double x2 = std::max(area.userX(column), area.userX(column + 1));
    if (c.jumpEvery > 0 && std::floor(x2 / c.jumpEvery) > std::floor(x1 / c.jumpEvery)) {
        take(c.jumpLow);
        take(c.jumpHigh);
    }
    return { top, bottom };
}

// Exported from its lesson at 1 and 3 times, a picture with the ideal wave behind a curve is the
// same lesson's picture without it, but for pixels that were white: those are the tint, and lie
// on the wave; and the wave is whole, every pixel it passes through drawn in something.
TEST(PictureOut, TheIdealWaveTakesOnlyWhitePixelsAndLiesOnItsFormula)
{
    QTemporaryDir folder;
    for (const IdealCase& c : idealCases) {
        SCOPED_TRACE(c.name);
        const auto lesson = [&](bool ideal) {
            const QString path = folder.filePath(
                ideal ? QStringLiteral("ideal.fourier") : QStringLiteral("plain.fourier"));
            writeFile(path,
                QByteArray(R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [)")
                    + c.curve
                    + (ideal ? R"(, {"command": "ideal", "terms": "4", "scale": "2"}, )" : ", ")
                    + c.later + "]}");
            return path;
        };
        for (const int k : { 1, 3 }) {
            SCOPED_TRACE(k);
            const auto exported = [&](bool ideal) {
                Form1 form;
                EXPECT_TRUE(form.openLesson(lesson(ideal)));
                const QString path = folder.filePath(QStringLiteral("picture.png"));
                EXPECT_TRUE(form.pictureBox().findChild<PictureActions*>()->exportPicture(
                    path, *ExportSize::times(k)));
                return QImage(path).convertToFormat(QImage::Format_RGB32);
            };
            const QImage with = exported(true);
            const QImage without = exported(false);
            ASSERT_EQ(with.size(), QSize(373 * k, 325 * k));
            const UserMapping area = *UserMapping::fromEdges(373 * k, 325 * k,
                static_cast<float>(-c.scale), static_cast<float>(c.scale),
                static_cast<float>(c.scale), static_cast<float>(-c.scale));

            std::size_t tinted = 0;
            testing::forEachPixel(without, [&](QRgb was, int column, int row) {
                const QRgb now = with.pixel(column, row);
                if (was != testing::white || now == testing::white) {
                    EXPECT_EQ(now, was) << column << ", " << row;
                    return;
                }
                ++tinted;
                EXPECT_EQ(now, c.tint) << column << ", " << row;
                const auto [top, bottom] = waveRows(c, area, column);
                EXPECT_TRUE(row >= std::floor(top) - 1 && row <= std::floor(bottom) + 1)
                    << column << ", " << row << " is off the wave";
            });
            if (!c.ownIdeal) {
                EXPECT_GT(tinted, static_cast<std::size_t>(100 * k));
            }
            for (int column = 0; column < with.width(); ++column) {
                const auto [top, bottom] = waveRows(c, area, column);
                for (int row = std::max(0, static_cast<int>(std::floor(top)));
                     row <= std::min(with.height() - 1, static_cast<int>(std::floor(bottom)));
                     ++row) {
                    EXPECT_NE(with.pixel(column, row), testing::white)
                        << column << ", " << row << " is a gap in the wave";
                }
            }
        }
    }
}

TEST(Steps, DrawIdealWaveIsAStepThatAsksForACurveFirst)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    testing::ModalDismisser dismisser;
    QAction* ideal = menuEntry(form.pictureBox(), QStringLiteral("Draw Ideal Wave"));
    ASSERT_NE(ideal, nullptr);
    EXPECT_EQ(ideal->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    EXPECT_EQ(ideal->shortcutContext(), Qt::WindowShortcut);
    const Shown start(form);
    QTest::keyClick(button(form, "Command2"), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(dismisser.messages, std::vector<std::string> { "Draw a curve first." });
    EXPECT_TRUE(Shown(form) == start);
    QAction* undo = form.pictureBox().actions().at(0);
    EXPECT_EQ(undo->text().toStdString(), "Undo Ideal Wave");

    // Behind a curve it draws, is described, and Undo takes it back; after Clear there is no
    // curve again.
    form.Ejecutar_Click();
    const Shown square(form);
    ideal->trigger();
    EXPECT_EQ(dismisser.messages.size(), 1u);
    EXPECT_TRUE(testing::gainedColour(
        square.pixels, form.pictureBox().surface().image(), qRgb(223, 191, 223)));
    EXPECT_EQ(form.pictureBox().accessibleDescription().toStdString(),
        "Square series, 4 terms, scale 10\nIdeal square wave, scale 10");
    undo->trigger();
    EXPECT_TRUE(Shown(form) == square);
    form.Command1_Click();
    ideal->trigger();
    EXPECT_EQ(dismisser.messages.size(), 2u);
}

QString accessibleText(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

/// What a screen reader hears of the widget \a name of the Harmonics window \a harmonics, its name
/// and its description.
std::string heard(QWidget& harmonics, const char* name)
{
    auto* widget = harmonics.findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget || !widget->isVisibleTo(&harmonics))
        return "(hidden)";
    const QString said = accessibleText(widget, QAccessible::Name) + u'|'
        + accessibleText(widget, QAccessible::Description);
    return said.toStdString();
}

/// The engine's number, as the window writes it.
std::string engineNumber(double value)
{
    return QString::number(value, 'g', 6).toStdString();
}

TEST(Harmonics, OpensWithCtrlHFollowsTheNewestCurveAndIsReadOverAccessibility)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    testing::ModalDismisser dismisser;
    setTexts(form, "4", "10");
    form.Ejecutar_Click();
    QAction* entry = menuEntry(form.pictureBox(), QStringLiteral("Harmonics\u2026"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->shortcutContext(), Qt::WindowShortcut);
    QTest::keyClick(button(form, "Command2"), Qt::Key_H, Qt::ControlModifier);
    auto* window = form.findChild<QWidget*>(QStringLiteral("Harmonics"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->windowTitle().toStdString(), "Harmonics");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);

    // The square sum of 4 terms: its numbers as the engine has them, each with what it means.
    EXPECT_EQ(heard(*window, "heading"), "Square series, 4 terms, scale 10|");
    EXPECT_EQ(
        heard(*window, "sum"), "y = 4 sin x + 4/3 sin 3x + 4/5 sin 5x + 4/7 sin 7x   (4 terms)|");
    EXPECT_EQ(heard(*window, "overshoot"),
        "Overshoot at the jump: 3.72035 at x = 0.392699 (\u03c0/8), 9.2113 % of the jump|However "
        "many terms, the sum overshoots the jump by about 9 % of its height: more terms squeeze "
        "the overshoot towards the jump but never lower it.");
    EXPECT_EQ(heard(*window, "maxError"), "(hidden)");
    EXPECT_EQ(heard(*window, "rmsError").substr(0, 21), "RMS error: 0.705302|T");
    auto* spectrum = window->findChild<QWidget*>(QStringLiteral("spectrum"));
    auto* parts = window->findChild<QWidget*>(QStringLiteral("parts"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(spectrum)->role(), QAccessible::Chart);
    EXPECT_EQ(heard(*window, "spectrum"),
        "Spectrum|Amplitudes of the harmonics up to the 40th: 1: 4, 3: 1.33333, 5: 0.8, 7: "
        "0.571429; the others are 0. Harmonic 1: 4 sin x, amplitude 4.");

    // A bar is chosen with the arrow keys or a click, and the parts highlight its harmonic.
    ASSERT_TRUE(activate(*window));
    EXPECT_EQ(QApplication::focusWidget(), spectrum);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(spectrum, Qt::Key_Right);
    EXPECT_NE(accessibleText(spectrum, QAccessible::Description)
                  .indexOf(QStringLiteral("Harmonic 7: 4/7 sin 7x, amplitude 0.571429.")),
        -1);
    EXPECT_EQ(heard(*window, "parts"),
        "Parts over one period|One period, x from \u2212\u03c0 to \u03c0: the ideal wave in grey, "
        "solid; 4 sin x in blue, solid; 4/3 sin 3x in orange, dashed; 4/5 sin 5x in green, "
        "dotted; the sum of 4 terms in the curve's colour, solid; chosen: 4/7 sin 7x in "
        "red-orange, dash-dotted. Highlighted: harmonic 7, 4/7 sin 7x.");
    QTest::mouseClick(
        spectrum, Qt::LeftButton, {}, QPoint(spectrum->width() - 10, spectrum->height() / 2));
    EXPECT_NE(accessibleText(parts, QAccessible::Description)
                  .indexOf(QStringLiteral("Highlighted: harmonic 40, 0.")),
        -1)
        << accessibleText(parts, QAccessible::Description).toStdString();

    // Tab goes round the window's parts; the hidden number is passed over.
    QWidget* heading = window->findChild<QWidget*>(QStringLiteral("heading"));
    heading->setFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited,
        (std::vector<std::string> {
            "sum", "spectrum", "parts", "overshoot", "rmsError", "play", "pitch", "" }));
    EXPECT_EQ(
        qobject_cast<QPushButton*>(QApplication::focusWidget())->text().toStdString(), "Close");

    // The foot row plays the curve: Play says what is heard at the pitch chosen, by its name
    // for screen readers, from the keyboard.
    EXPECT_EQ(heard(*window, "play"), "Play|Plays the newest curve as a tone of 220 Hz.");
    const QList<QPair<QAccessibleInterface*, QAccessible::Relation>> pitchLabels
        = QAccessible::queryAccessibleInterface(
            window->findChild<QWidget*>(QStringLiteral("pitch")))
              ->relations(QAccessible::Label);
    ASSERT_EQ(pitchLabels.size(), 1);
    EXPECT_EQ(pitchLabels[0].first->text(QAccessible::Name).toStdString(), "Pitch:");
    QTest::keyClick(window, Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "pitch");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(form.player().pitch(), 440);
    setTexts(form, "100", "10");
    form.Ejecutar_Click();
    EXPECT_EQ(heard(*window, "play"),
        "Play|Plays the newest curve as a tone of 440 Hz. Harmonics at 20 kHz and above cannot be "
        "heard, so at 440 Hz only the first 23 of its 100 terms sound.");
    form.undo();

    // It follows a new curve, undo, Clear and an opened lesson.
    setTexts(form, "3", "5");
    form.Command4_Click();
    const CurveNumbers triangle = curveNumbers(triangleWave, 3, CurveKind::Series);
    EXPECT_EQ(heard(*window, "heading"), "Triangle series, 3 terms, scale 5|");
    EXPECT_EQ(heard(*window, "overshoot"), "(hidden)");
    EXPECT_EQ(heard(*window, "maxError").substr(0, heard(*window, "maxError").find('|')),
        "Largest error: " + engineNumber(triangle.largestError->error) + " at x = 0");
    EXPECT_EQ(heard(*window, "rmsError").substr(0, heard(*window, "rmsError").find('|')),
        "RMS error: " + engineNumber(triangle.rmsError));
    form.undo();
    EXPECT_EQ(heard(*window, "heading"), "Square series, 4 terms, scale 10|");
    form.Command1_Click();
    EXPECT_EQ(heard(*window, "heading"), "No curve on the picture since the last Clear|");
    EXPECT_EQ(heard(*window, "spectrum"), "(hidden)");
    EXPECT_NE(heard(*window, "hint"), "(hidden)");
    QTemporaryDir folder;
    const QString lesson = folder.filePath(QStringLiteral("sawtooth.fourier"));
    writeFile(lesson,
        R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [
            {"command": "sawtooth", "terms": "100", "scale": "-8"}]})");
    ASSERT_TRUE(form.openLesson(lesson));
    EXPECT_EQ(heard(*window, "heading"), "Sawtooth series, 100 terms, scale -8|");
    EXPECT_EQ(heard(*window, "sum"),
        "y = \u22124 sin x \u2212 2 sin 2x \u2212 4/3 sin 3x \u2212 \u2026 \u2212 1/25 sin 100x   "
        "(100 terms)|");
    EXPECT_NE(accessibleText(spectrum, QAccessible::Description)
                  .indexOf(QStringLiteral("and 60 more beyond the 40th.")),
        -1);
    EXPECT_TRUE(dismisser.messages.empty());

    // Escape closes it; the keys bring it back.
    QTest::keyClick(spectrum, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    entry->trigger();
    EXPECT_TRUE(window->isVisible());
}

// --describe's text and JSON, of the curves a lesson leaves since its last Clear, against the
// engine's numbers and the figures a lesson quotes.
TEST(Describe, TellsEachCurveSinceTheLastClearWithTheEnginesNumbers)
{
    const std::vector<Step> steps {
        { StepCommand::Sawtooth, "7", "10", {} },
        { StepCommand::Clear, "7", "10", {} },
        { StepCommand::Square, "4", "10", {} },
        { StepCommand::Ideal, "4", "10", {} },
        { StepCommand::Triangle, "4", "10", {} },
        { StepCommand::Square, "100", "10", {} },
        { StepCommand::Sin, "100", "3", {} },
    };
    ImageSurface surface(373, 325);
    testing::FakeForm window(surface);
    ASSERT_TRUE(drawSteps(window, steps, surface));
    const std::vector<PictureCurve> curves = curvesOn(surface);
    EXPECT_EQ(describedCurves(curves).toStdString(),
        "Square series, 4 terms, scale 10\n"
        "    Overshoot at the jump: 3.72035 at x = 0.392699 (\u03c0/8), 9.2113 % of the jump\n"
        "    RMS error: 0.705302\n"
        "Triangle series, 4 terms, scale 10\n"
        "    Largest error: 0.248725 at x = 0\n"
        "    RMS error: 0.050268\n"
        "Square series, 100 terms, scale 10\n"
        "    Overshoot at the jump: 3.7039 at x = 0.015708 (\u03c0/200), 8.9494 % of the jump\n"
        "    RMS error: 0.141421\n"
        "y = 4 sin x, scale 3\n"
        "    RMS error: 0\n");

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(curvesAsJson(curves).toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray list = document.object().value(QStringLiteral("curves")).toArray();
    ASSERT_EQ(list.size(), 4);
    struct Expected {
        const char* wave;
        const Wave* engineWave;
        double terms;
        CurveKind kind;
    };
    const Expected expected[] = {
        { "square", &squareWave, 4, CurveKind::Series },
        { "triangle", &triangleWave, 4, CurveKind::Series },
        { "square", &squareWave, 100, CurveKind::Series },
        { "sin", &squareWave, 1, CurveKind::Trigonometric },
    };
    for (qsizetype i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        const QJsonObject curve = list[i].toObject();
        EXPECT_EQ(curve.keys(),
            (QStringList { QStringLiteral("description"), QStringLiteral("maxError"),
                QStringLiteral("overshoot"), QStringLiteral("rmsError"), QStringLiteral("terms"),
                QStringLiteral("wave") }));
        EXPECT_EQ(curve.value(QStringLiteral("description")).toString(),
            translatedDescription(curves[static_cast<std::size_t>(i)].description));
        EXPECT_EQ(curve.value(QStringLiteral("wave")).toString().toStdString(), expected[i].wave);
        EXPECT_EQ(curve.value(QStringLiteral("terms")).toDouble(), expected[i].terms);
        const CurveNumbers numbers
            = curveNumbers(*expected[i].engineWave, expected[i].terms, expected[i].kind);
        // Every number reads back as the engine's very double.
        EXPECT_EQ(curve.value(QStringLiteral("rmsError")).toDouble(), numbers.rmsError);
        const QJsonValue overshoot = curve.value(QStringLiteral("overshoot"));
        EXPECT_EQ(overshoot.isNull(), !numbers.overshoot.has_value());
        if (numbers.overshoot) {
            EXPECT_EQ(overshoot[QStringLiteral("x")].toDouble(), numbers.overshoot->x);
            EXPECT_EQ(overshoot[QStringLiteral("value")].toDouble(), numbers.overshoot->value);
            EXPECT_EQ(overshoot[QStringLiteral("percent")].toDouble(), numbers.overshoot->percent);
        }
        const QJsonValue largest = curve.value(QStringLiteral("maxError"));
        EXPECT_EQ(largest.isNull(), !numbers.largestError.has_value());
        if (numbers.largestError) {
            EXPECT_EQ(largest[QStringLiteral("x")].toDouble(), 0.0);
            EXPECT_EQ(largest[QStringLiteral("value")].toDouble(), numbers.largestError->error);
        }
    }
    // The figures a lesson quotes, at the precision they are quoted with.
    const QJsonObject square4 = list[0].toObject();
    EXPECT_NEAR(
        square4[QStringLiteral("overshoot")][QStringLiteral("value")].toDouble(), 3.72035, 5e-6);
    EXPECT_NEAR(
        square4[QStringLiteral("overshoot")][QStringLiteral("x")].toDouble(), 0.392699, 5e-7);
    EXPECT_NEAR(
        square4[QStringLiteral("overshoot")][QStringLiteral("percent")].toDouble(), 9.2113, 5e-5);
    EXPECT_NEAR(square4[QStringLiteral("rmsError")].toDouble(), 0.705302, 5e-7);
    EXPECT_NEAR(
        list[1][QStringLiteral("maxError")][QStringLiteral("value")].toDouble(), 0.248725, 5e-7);
    EXPECT_NEAR(list[1][QStringLiteral("rmsError")].toDouble(), 0.0502680, 5e-8);
    EXPECT_NEAR(
        list[2][QStringLiteral("overshoot")][QStringLiteral("percent")].toDouble(), 8.9494, 5e-5);
    EXPECT_EQ(curvesAsJson({}).toStdString(), "{\"curves\": []}\n");
}

TEST(PictureOut, ACancelledExportLeavesTheOlderFileAndThePictureAsTheyWere)
{
    // Curves drawn at once on screen, each drawn afresh eight times larger in turn: so many of
    // them take long enough for the progress window.
    Form1 form;
    setTexts(form, "1000000", "1");
    constexpr int curves = 200;
    for (int i = 0; i < curves; ++i)
        form.Ejecutar_Click();
    const QImage shown = form.pictureBox().surface().image();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    QFile older(path);
    ASSERT_TRUE(older.open(QIODevice::WriteOnly) && older.write("an older picture") > 0);
    older.close();

    testing::ModalDismisser dismisser;
    EXPECT_FALSE(
        form.pictureBox().findChild<PictureActions*>()->exportPicture(path, *ExportSize::times(8)));
    EXPECT_EQ(dismisser.progressDialogsSeen, 1);
    EXPECT_TRUE(dismisser.messages.empty());
    EXPECT_EQ(contents(path), QByteArray("an older picture"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("picture.png") });
    EXPECT_EQ(form.pictureBox().surface().image(), shown);
    EXPECT_EQ(form.document().history().lesson().size(), std::size_t { curves });
}

struct SaveCase {
    const char* what;
    /// Prepares \a folder and gives the path to save to.
    std::function<QString(const QString& folder)> target;
    bool failsAsRoot;
};

const SaveCase saveCases[] = {
    { "a folder that may not be written",
        [](const QString& folder) -> QString {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            return folder + QStringLiteral("/picture.png");
        },
        false },
    { "a folder that does not exist",
        [](const QString& folder) -> QString {
            return folder + QStringLiteral("/missing/picture.png");
        },
        true },
    { "a file where the folder should be",
        [](const QString& folder) -> QString {
            QFile file(folder + QStringLiteral("/notes"));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            return file.fileName() + QStringLiteral("/picture.png");
        },
        true },
    { "a name that looks like markup, in a folder that does not exist",
        [](const QString& folder) -> QString {
            return folder + QStringLiteral("/missing/<b>x</b>.png");
        },
        true },
    { "a folder where the file should be",
        [](const QString& folder) -> QString {
            QDir(folder).mkdir(QStringLiteral("picture.png"));
            return folder + QStringLiteral("/picture.png");
        },
        true },
};

TEST(PictureOut, AFailedSaveSaysSoAndLeavesNothingBehind)
{
    for (const SaveCase& save : saveCases) {
        SCOPED_TRACE(save.what);
        if (!save.failsAsRoot && geteuid() == 0)
            continue;
        DrawnWindow window;
        auto* actions = window.pic.findChild<PictureActions*>();
        ASSERT_NE(actions, nullptr);
        QTemporaryDir folder;
        const QString path = save.target(folder.path());
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);

        // An export that takes long on a busy machine shows its progress, left to run.
        testing::ModalDismisser dismisser(false);
        EXPECT_FALSE(actions->savePicture(path));
        EXPECT_FALSE(window.form.saveLesson(path));
        EXPECT_FALSE(actions->exportPicture(path, *ExportSize::times(2)));
        ASSERT_EQ(dismisser.messages.size(), 3U);
        for (std::size_t i = 0; i < dismisser.messages.size(); ++i) {
            const std::string& message = dismisser.messages[i];
            EXPECT_NE(message.find(i < 2 ? "could not be saved" : "could not be exported"),
                std::string::npos);
            // The name as it was typed, never read as markup.
            EXPECT_NE(message.find(QDir::toNativeSeparators(path).toStdString()), std::string::npos)
                << message;
            EXPECT_EQ(dismisser.messageFormats[i], Qt::PlainText);
        }
        QFile::setPermissions(
            folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        EXPECT_EQ(window.pic.surface().image(), window.picture);
        EXPECT_EQ(window.pic.accessibleDescription(), window.description);
    }

    // A picture is exported only in the formats its name asks for.
    DrawnWindow window;
    QTemporaryDir folder;
    testing::ModalDismisser dismisser;
    for (const char* name : { "picture.gif", "picture", "picture.png.txt" }) {
        EXPECT_FALSE(window.pic.findChild<PictureActions*>()->exportPicture(
            folder.filePath(QString::fromLatin1(name)), ExportSize()));
    }
    ASSERT_EQ(dismisser.messages.size(), 3U);
    EXPECT_NE(dismisser.messages[0].find("end the name in .png, .svg, .pdf, .wav or .csv"),
        std::string::npos)
        << dismisser.messages[0];
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(PictureOut, ASaveWritesTheExactPixelsAndAFailedOneKeepsTheOlderFile)
{
    DrawnWindow window;
    showReadout(window.pic);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(window.pic.findChild<PictureActions*>()->savePicture(path));
    EXPECT_EQ(QImage(path).convertToFormat(window.picture.format()), window.picture);

    // A write that breaks off half-way (here: nothing to write) must not spoil the older file.
    QFile older(path);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    const QByteArray olderBytes = older.readAll();
    older.close();
    EXPECT_FALSE(writePng(QImage(), path).isEmpty());
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), olderBytes);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("picture.png") });
}

struct Click {
    const char* button;
    const char* terms;
    /// How the menu names the step.
    const char* name;
};

const Click clicks[] = {
    { "Ejecutar", "10", "Square Series, 10 terms" },
    { "Command2", "10", "Sin x" },
    { "Command4", "1", "Triangular Series, 1 term" },
    { "Command3", "1", "Cos x" },
    { "Command5", " 2.5 ", "Sawtooth Series, 2.5 terms" },
    { "Command1", "2.5", "Clear" },
    { "Command5", "123456789012345", "Sawtooth Series, 123456789012\u2026 terms" },
};

TEST(Steps, EveryClickIsAStepThatUndoAndRedoAtTheTopOfTheMenuTakeBackAndAgain)
{
    Form1 form;
    testing::ModalDismisser dismisser;
    const QList<QAction*> menu = form.pictureBox().actions();
    ASSERT_GE(menu.size(), 2);
    QAction* undo = menu[0];
    QAction* redo = menu[1];
    EXPECT_EQ(undo->text().toStdString(), "Undo");
    EXPECT_EQ(redo->text().toStdString(), "Redo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // What the window showed before each click, and the same clicks on windows of their own.
    std::vector<Shown> before;
    for (const Click& click : clicks) {
        setTexts(form, click.terms, "10");
        before.emplace_back(form);
        button(form, click.button)->click();
        EXPECT_TRUE(undo->isEnabled());
        EXPECT_EQ(undo->text().toStdString(), std::string("Undo ") + click.name);
        EXPECT_FALSE(redo->isEnabled());
    }
    const Shown last(form);
    const std::size_t messages = dismisser.messages.size();

    for (std::size_t i = std::size(clicks); i-- > 0;) {
        SCOPED_TRACE(clicks[i].name);
        undo->trigger();
        Shown undone(form);
        // The boxes keep what they hold now; everything else is as before the click.
        EXPECT_EQ(undone.terms, last.terms);
        undone.terms = before[i].terms;
        EXPECT_TRUE(undone == before[i]);
        EXPECT_EQ(redo->text().toStdString(), std::string("Redo ") + clicks[i].name);
    }
    EXPECT_EQ(undo->text().toStdString(), "Undo");
    EXPECT_FALSE(undo->isEnabled());
    for (const Click& click : clicks) {
        EXPECT_EQ(redo->text().toStdString(), std::string("Redo ") + click.name);
        redo->trigger();
    }
    EXPECT_TRUE(Shown(form) == last);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(dismisser.messages.size(), messages);

    // A click after an undo forgets what could have been redone.
    undo->trigger();
    undo->trigger();
    button(form, "Command2")->click();
    EXPECT_EQ(undo->text().toStdString(), "Undo Sin x");
    EXPECT_FALSE(redo->isEnabled());
}

TEST(Steps, TheUndoKeysUndoStepsExceptInATextBoxWhereTheyUndoTheTyping)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    const Shown start(form);
    button(form, "Ejecutar")->click();
    const Shown drawn(form);
    QPushButton* sin = button(form, "Command2");
    sin->setFocus();
    QTest::keyClick(sin, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Shown(form) == start);
    QTest::keyClick(sin, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Shown(form) == drawn);
    QTest::keyClick(sin, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&form.pictureBox(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Shown(form) == drawn);

    QLineEdit* terms = box(form, "T1");
    terms->setFocus();
    terms->end(false);
    QTest::keyClicks(terms, QStringLiteral("5"));
    EXPECT_EQ(terms->text().toStdString(), "45");
    QTest::keyClick(terms, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(terms->text().toStdString(), "4");
    QTest::keyClick(terms, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(terms->text().toStdString(), "45");
    QTest::keyClick(terms, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(terms, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(terms->text().toStdString(), "45");
    Shown typed = drawn;
    typed.terms = QStringLiteral("45");
    EXPECT_TRUE(Shown(form) == typed);
}

/// Writes \a text to \a path.
void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Lessons, ASavedLessonOpensAsTheSameClicksWouldDrawItWithItsStepsToUndo)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("monday.fourier"));
    Form1 form;
    testing::ModalDismisser dismisser;
    setTexts(form, "3", "5");
    form.Ejecutar_Click();
    setTexts(form, "25", "25");
    form.Command4_Click();
    setTexts(form, "10", "-8");
    form.Command5_Click();
    ASSERT_EQ(dismisser.messages.size(), 1u);
    const Shown drawn(form);
    ASSERT_TRUE(form.saveLesson(path));
    EXPECT_EQ(contents(path).toStdString(),
        "{\"format\": \"fourier-analysis-lesson\", \"version\": 1,\n"
        " \"steps\": [{\"command\": \"square\", \"terms\": \"3\", \"scale\": \"5\"},\n"
        "           {\"command\": \"triangle\", \"terms\": \"25\", \"scale\": \"25\"},\n"
        "           {\"command\": \"sawtooth\", \"terms\": \"10\", \"scale\": \"-8\"}]}\n");

    Form1 opened;
    setTexts(opened, "1", "1");
    opened.Command2_Click();
    ASSERT_TRUE(opened.openLesson(path));
    EXPECT_TRUE(Shown(opened) == drawn);
    EXPECT_EQ(dismisser.messages.size(), 1u);
    EXPECT_FALSE(opened.document().hasUnsavedLesson());
    opened.undo();
    form.undo();
    EXPECT_TRUE(Shown(opened) == Shown(form));
    opened.undo();
    opened.redo();
    EXPECT_TRUE(opened.document().hasUnsavedLesson());
    opened.redo();
    EXPECT_FALSE(opened.document().hasUnsavedLesson());
    opened.undo();
    opened.undo();
    opened.undo();
    EXPECT_FALSE(opened.document().history().undoable());
    EXPECT_TRUE(Shown(opened).pixels == Form1().pictureBox().surface().image());
    EXPECT_FALSE(opened.pictureBox().surface().mapping().isUserScale());
}

TEST(Lessons, ABadOrCancelledLessonChangesNothing)
{
    QTemporaryDir folder;
    const QString bad = folder.filePath(QStringLiteral("typo.fourier"));
    writeFile(bad,
        R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [
            {"command": "square", "terms": "10", "scale": "10"},
            {"command": "sin", "terms": "10", "scale": "10"},
            {"command": "squar", "terms": "10", "scale": "10"}]})");
    // Every curve of it is drawn at once, but so many take long enough for the progress window,
    // which is cancelled.
    const QString lengthy = folder.filePath(QStringLiteral("lengthy.fourier"));
    QByteArray steps = R"({"command": "clear", "terms": "4", "scale": "3"})";
    for (int i = 0; i < 5000; ++i)
        steps += R"(, {"command": "square", "terms": "1e300", "scale": "10"})";
    writeFile(lengthy,
        R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [)" + steps + "]}");

    Form1 form;
    testing::ModalDismisser dismisser;
    form.Ejecutar_Click();
    setTexts(form, "7", "2");
    const Shown before(form);
    EXPECT_FALSE(form.openLesson(bad));
    ASSERT_EQ(dismisser.messages.size(), 1u);
    EXPECT_NE(dismisser.messages[0].find("typo.fourier could not be opened: step 3: unknown "
                                         "command \"squar\""),
        std::string::npos)
        << dismisser.messages[0];
    EXPECT_TRUE(Shown(form) == before);
    EXPECT_EQ(form.document().history().undoable()->command, StepCommand::Square);

    EXPECT_FALSE(form.openLesson(lengthy));
    EXPECT_EQ(dismisser.progressDialogsSeen, 1);
    EXPECT_EQ(dismisser.messages.size(), 1u);
    EXPECT_TRUE(Shown(form) == before);
    EXPECT_EQ(form.document().history().undoCount(), 1u);
    EXPECT_FALSE(form.document().history().redoable());
}

/// What happens to the picture kept in a lesson file before the window is closed, and how the
/// question about its changes is answered.
struct ClosingCase {
    const char* name;
    /// Whether the picture is saved as monday.fourier (else it is never kept in a file).
    bool saved;
    /// Whether a step is taken after the save, and whether it is undone again.
    bool changed;
    bool undoneAgain;
    /// The answer to "Save the changes to monday.fourier?", or NoButton for no question.
    QMessageBox::StandardButton answer;
    /// Whether the lesson's folder is gone by then, so that saving fails.
    bool folderGone;
    bool closes;
    /// The messages shown, the question among them.
    std::vector<std::string> messages;
    /// How many steps the file holds in the end.
    int stepsInFile;
};

const std::string question = "Save the changes to monday.fourier?";

const ClosingCase closingCases[] = {
    { "never saved", false, true, false, QMessageBox::NoButton, false, true, {}, 0 },
    { "saved, unchanged", true, false, false, QMessageBox::NoButton, false, true, {}, 1 },
    { "changed and undone", true, true, true, QMessageBox::NoButton, false, true, {}, 1 },
    { "changed, Cancel", true, true, false, QMessageBox::Cancel, false, false, { question }, 1 },
    { "changed, Discard", true, true, false, QMessageBox::Discard, false, true, { question }, 1 },
    { "changed, Save", true, true, false, QMessageBox::Save, false, true, { question }, 2 },
    { "changed, Save fails", true, true, false, QMessageBox::Save, true, false,
        { question, "could not be saved as" }, 0 },
};

TEST(Lessons, ClosingAChangedLessonAsksWhetherToSaveIt)
{
    for (const ClosingCase& c : closingCases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("monday.fourier"));
        Form1 form;
        form.show();
        setTexts(form, "3", "10");
        form.Ejecutar_Click();
        if (c.saved) {
            ASSERT_TRUE(form.saveLesson(path));
        }
        if (c.changed)
            form.Command4_Click();
        if (c.undoneAgain)
            form.undo();
        if (c.folderGone) {
            ASSERT_TRUE(folder.remove());
        }

        // The question is answered as asked; any other message box is read and closed.
        std::vector<std::string> messages;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            messages.push_back(box->text().toStdString());
            const bool asking = box->button(QMessageBox::Discard) != nullptr;
            box->button(asking ? c.answer : QMessageBox::Ok)->click();
        });
        answerer.start(1);
        EXPECT_EQ(form.close(), c.closes);
        EXPECT_EQ(form.isVisible(), !c.closes);
        ASSERT_EQ(messages.size(), c.messages.size());
        for (std::size_t i = 0; i < messages.size(); ++i)
            EXPECT_NE(messages[i].find(c.messages[i]), std::string::npos) << messages[i];
        EXPECT_EQ(contents(path).count("\"command\""), c.stepsInFile);
    }
}

/// Lets files grow to \a bytes at most while it lives, so that writing more fails as on a full
/// disk: the signal the limit raises is ignored, and the write reports the error instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, m_old.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(Lessons, ASaveCutShortKeepsTheOlderFileByteForByte)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.fourier"));
    const QByteArray older = "an older lesson";
    writeFile(path, older);
    Form1 form;
    form.Ejecutar_Click();
    testing::ModalDismisser dismisser;
    {
        FileSizeLimit limit(32);
        EXPECT_FALSE(form.saveLesson(path));
    }
    ASSERT_EQ(dismisser.messages.size(), 1u);
    EXPECT_NE(dismisser.messages[0].find("could not be saved"), std::string::npos);
    EXPECT_EQ(contents(path), older);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("lesson.fourier") });
}

struct FullDiskCase {
    const char* what;
    bool overAnOlderPicture;
};

const FullDiskCase fullDiskCases[] = {
    { "over an older picture", true },
    { "as a new file", false },
};

TEST(PictureOut, ASaveOntoAFullDiskSaysSoAndKeepsWhatWasThere)
{
    for (const FullDiskCase& save : fullDiskCases) {
        SCOPED_TRACE(save.what);
        testing::SmallDisk disk;
        if (!disk.mounted())
            GTEST_SKIP() << disk.whyNot();
        DrawnWindow window;
        auto* actions = window.pic.findChild<PictureActions*>();
        ASSERT_NE(actions, nullptr);
        QDir folder(disk.path());
        ASSERT_TRUE(
            folder.mkdir(QStringLiteral("pictures")) && folder.cd(QStringLiteral("pictures")));
        const QString path = folder.filePath(QStringLiteral("picture.png"));
        if (save.overAnOlderPicture) {
            ASSERT_TRUE(actions->savePicture(path));
        }
        const QByteArray older = contents(path);
        const QStringList before
            = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        // A third curve makes the picture larger than the one page left: the disk fills up
        // part-way through the write.
        window.form.Command3_Click();
        const QImage picture = window.pic.surface().image();
        constexpr qint64 page = 4096;
        ASSERT_TRUE(disk.fillLeaving(page));

        // An export that takes long on a busy machine shows its progress, left to run.
        testing::ModalDismisser dismisser(false);
        EXPECT_FALSE(actions->savePicture(path));
        // Drawn afresh three times larger, the picture is larger still.
        EXPECT_FALSE(actions->exportPicture(path, *ExportSize::times(3)));
        // The sound and the values of its curves are larger than a page too.
        for (const char* name : { "picture.wav", "picture.csv" })
            EXPECT_FALSE(actions->exportPicture(folder.filePath(QLatin1String(name)), {}));
        ASSERT_EQ(dismisser.messages.size(), 4U);
        EXPECT_NE(dismisser.messages.front().find("could not be saved"), std::string::npos);
        for (std::size_t i = 1; i < dismisser.messages.size(); ++i)
            EXPECT_NE(dismisser.messages[i].find("could not be exported"), std::string::npos);
        for (const std::string& message : dismisser.messages)
            EXPECT_NE(message.find("No space left on device"), std::string::npos) << message;
        EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        EXPECT_EQ(contents(path), older);
        EXPECT_EQ(window.pic.surface().image(), picture);
    }
}

// The curves' values and sound, as the program writes them.

/// psi, the digamma function, for x > 0: the recurrence up to 20, then its asymptotic series.
long double digamma(long double x)
{
    long double shift = 0;
    for (; x < 20; x += 1)
        shift -= 1 / x;
    const long double r = 1 / (x * x);
    return shift + std::log(x) - 1 / (2 * x)
        - r * (1.0L / 12 - r * (1.0L / 120 - r * (1.0L / 252 - r * (1.0L / 240 - r / 132))));
}

/// psi', the trigamma function, for x > 0, as digamma.
long double trigamma(long double x)
{
    long double shift = 0;
    for (; x < 20; x += 1)
        shift += 1 / (x * x);
    const long double r = 1 / (x * x);
    return shift + 1 / x + r / 2
        + r / x * (1.0L / 6 - r * (1.0L / 30 - r * (1.0L / 42 - r * (1.0L / 30 - r * 5 / 66))));
}

constexpr long double piL = std::numbers::pi_v<long double>;

/// The square wave's partial sum of \a terms terms at pi / 2: 4 (1 - 1/3 + 1/5 - ...), which is
/// pi less the tail, a difference of two digammas.
long double squareAtHalfPi(long double terms)
{
    const long double sign = std::fmod(terms, 2.0L) == 0 ? 1 : -1;
    return piL - sign * (digamma(terms / 2 + 0.75L) - digamma(terms / 2 + 0.25L));
}

/// The partial sum of \a wave with \a terms terms at \a x, every term in long double, added
/// with Neumaier's compensation: the long way, independent of the engine's closed forms.
long double longSum(const Wave& wave, std::int64_t terms, double x)
{
    long double sum = 0;
    long double lost = 0;
    for (std::int64_t i = 0; i < terms; ++i) {
        const auto k = static_cast<long double>(1 + i * wave.step);
        const long double angle = k * static_cast<long double>(x);
        const long double term = (wave.falloff == Falloff::OverK ? 4 / k : 4 / (k * k))
            * (wave.basis == Basis::Sine ? std::sin(angle) : std::cos(angle));
        const long double next = sum + term;
        lost += std::fabs(sum) >= std::fabs(term) ? (sum - next) + term : (term - next) + sum;
        sum = next;
    }
    return sum + lost;
}

/// A CSV file read back: the header's cells, and each line's numbers as written and as read.
struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> texts;
    std::vector<std::vector<double>> numbers;
};

/// Reads \a csv, whose lines all end in CR LF and whose header's cells after "x" are quoted.
std::optional<Table> readTable(const std::string& csv)
{
    Table table;
    std::size_t at = 0;
    bool first = true;
    while (at < csv.size()) {
        const std::size_t end = csv.find("\r\n", at);
        if (end == std::string::npos)
            return std::nullopt;
        const std::string line = csv.substr(at, end - at);
        at = end + 2;
        std::vector<std::string> cells;
        std::size_t from = 0;
        while (from <= line.size()) {
            std::string cell;
            if (line[from] == '"') {
                std::size_t i = from + 1;
                for (; i < line.size(); ++i) {
                    if (line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                        cell += '"';
                        ++i;
                    } else if (line[i] == '"') {
                        break;
                    } else {
                        cell += line[i];
                    }
                }
                from = i + 2;
            } else {
                const std::size_t comma = line.find(',', from);
                cell = line.substr(from, comma == std::string::npos ? comma : comma - from);
                from = comma == std::string::npos ? line.size() + 1 : comma + 1;
            }
            cells.push_back(cell);
        }
        if (first) {
            table.header = cells;
            first = false;
            continue;
        }
        std::vector<double> values;
        for (const std::string& cell : cells) {
            double value = 0;
            const auto read = std::from_chars(cell.data(), cell.data() + cell.size(), value);
            if (read.ec != std::errc() || read.ptr != cell.data() + cell.size())
                return std::nullopt;
            values.push_back(value);
        }
        table.texts.push_back(cells);
        table.numbers.push_back(values);
    }
    return table;
}

/// Runs the program with \a arguments, off screen, in English, in \a folder. Returns its exit
/// status.
int runProgram(const QString& folder, const QStringList& arguments)
{
    QProcess program;
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.remove(QStringLiteral("LC_ALL"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(FOURIER_PROGRAM), arguments);
    if (!program.waitForFinished(120'000))
        return -1;
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

/// A lesson of one step per curve, all at one scale.
QByteArray curvesLesson(
    const std::vector<std::pair<StepCommand, const char*>>& curves, const char* scale)
{
    std::vector<Step> steps;
    for (const auto& [command, terms] : curves)
        steps.push_back({ command, terms, scale, {} });
    return lessonBytes(steps);
}

struct ValuesCase {
    const char* name;
    std::vector<std::pair<StepCommand, const char*>> curves;
    const char* scale;
    /// --points, or 0 for none.
    int points;
    /// The header expected, or null where the descriptions are checked elsewhere.
    const char* header;
    /// How many values are checked against a closed form.
    std::size_t closedForms;
};

// At scale 2, 33216 points put the point of index 29651 within 1.7e-10 of pi / 2 (29651 /
// 33215 is close to (1 + pi / 4) / 2): near enough that the square wave, flat there, and the
// sawtooth, whose slope there is known, can be told from their closed forms within 1e-10 at a
// billion terms. An odd number of points puts one at x = 0, where the triangle's is known.
const ValuesCase valuesCases[] = {
    { "EveryCurveAtSmallCounts",
        { { StepCommand::Sin, "4" }, { StepCommand::Cos, "4" }, { StepCommand::Square, "7" },
            { StepCommand::Triangle, "1000" }, { StepCommand::Sawtooth, "2.5" } },
        "10", 0,
        "x,\"y = 4 sin x, scale 10\",\"y = 4 cos x, scale 10\",\"Square series, 7 terms, scale "
        "10\",\"Triangle series, 1000 terms, scale 10\",\"Sawtooth series, 2 terms, scale 10\"",
        2 },
    { "AMillionTermsAtANegativeScale",
        { { StepCommand::Square, "1e6" }, { StepCommand::Triangle, "1000000" },
            { StepCommand::Sawtooth, "999999" } },
        "-3", 9, nullptr, 1 },
    { "ABillionTermsAtHalfPi",
        { { StepCommand::Square, "1e9" }, { StepCommand::Square, "999999999" },
            { StepCommand::Sawtooth, "1e9" }, { StepCommand::Sawtooth, "999999997" },
            { StepCommand::Sawtooth, "123456789" }, { StepCommand::Sin, "1" } },
        "2", 33216, nullptr, 6 },
    { "ABillionTermsAtZero",
        { { StepCommand::Triangle, "1e9" }, { StepCommand::Triangle, "987654321" },
            { StepCommand::Triangle, "3" }, { StepCommand::Square, "1e9" } },
        "20", 1001, nullptr, 3 },
};

class CurveValues : public ::testing::TestWithParam<ValuesCase> { };

// The values --export writes to a .csv file: for every curve of the lesson, at evenly spaced
// points over the picture's x range, ends included, each with 17 significant digits and a full
// stop; each within 1e-9 of the long sum where it can be added up in time, and of the closed
// forms at x = 0 and pi / 2 at counts up to a billion.
TEST_P(CurveValues, AreThePartialSumsWithinABillionthAtAnyCount)
{
    const ValuesCase& c = GetParam();
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("lesson.fourier")), curvesLesson(c.curves, c.scale));
    QStringList arguments { QStringLiteral("--export"), QStringLiteral("values.csv"),
        QStringLiteral("lesson.fourier") };
    if (c.points > 0)
        arguments << QStringLiteral("--points") << QString::number(c.points);
    ASSERT_EQ(runProgram(folder.path(), arguments), 0);
    const std::optional<Table> table
        = readTable(contents(folder.filePath(QStringLiteral("values.csv"))).toStdString());
    ASSERT_TRUE(table.has_value()) << "the file is no table of numbers, CR LF after each line";
    const std::size_t points = c.points > 0 ? static_cast<std::size_t>(c.points) : 1001;
    ASSERT_EQ(table->numbers.size(), points);
    ASSERT_EQ(table->header.size(), c.curves.size() + 1);
    EXPECT_EQ(table->header[0], "x");
    if (c.header) {
        const std::string header = contents(folder.filePath(QStringLiteral("values.csv")))
                                       .toStdString()
                                       .substr(0, std::string(c.header).size() + 2);
        EXPECT_EQ(header, std::string(c.header) + "\r\n");
    }

    // Every number is written with 17 significant digits, as %.17g writes it.
    for (const auto& line : table->texts) {
        ASSERT_EQ(line.size(), c.curves.size() + 1);
        for (const std::string& text : line) {
            std::array<char, 40> again {};
            std::snprintf(again.data(), again.size(), "%.17g", std::strtod(text.c_str(), nullptr));
            ASSERT_EQ(text, again.data());
        }
    }
    // The x range is the scale's, ends included, evenly spaced.
    const double scale = std::abs(std::stod(c.scale));
    EXPECT_EQ(table->numbers.front()[0], -scale);
    EXPECT_EQ(table->numbers.back()[0], scale);
    const double spacing = 2 * scale / static_cast<double>(points - 1);
    for (std::size_t i = 0; i < points; ++i)
        ASSERT_NEAR(table->numbers[i][0], -scale + spacing * static_cast<double>(i), 1e-14 * scale);

    constexpr double within = 1e-9;
    constexpr double longestSum = 4e7;
    std::size_t longSums = 0;
    std::size_t closedForms = 0;
    for (std::size_t curve = 0; curve < c.curves.size(); ++curve) {
        const auto [command, typed] = c.curves[curve];
        SCOPED_TRACE(table->header[curve + 1]);
        const CommandRow& row = commandRow(command);
        const Wave& wave = *row.wave;
        const double terms = row.series ? termCount(std::stod(typed)) : 1.0;
        if (terms * static_cast<double>(points) <= longestSum) {
            for (const auto& line : table->numbers) {
                const long double want
                    = wave.pointSign * longSum(wave, static_cast<std::int64_t>(terms), line[0]);
                ASSERT_NEAR(line[curve + 1], static_cast<double>(want), within)
                    << "x = " << line[0];
                ++longSums;
            }
        }
        for (const auto& line : table->numbers) {
            const long double x = line[0];
            const long double off = x - piL / 2;
            long double want = 0;
            long double slack = 0;
            if (x == 0 && &wave == &triangleWave) {
                want = piL * piL / 2 - trigamma(static_cast<long double>(terms) + 0.5L);
            } else if (std::fabs(off) < 2e-10L && &wave == &squareWave) {
                // Flat at pi / 2: the sum moves from there by at most 2 n off^2.
                want = squareAtHalfPi(terms);
                slack = 2 * static_cast<long double>(terms) * off * off;
            } else if (std::fabs(off) < 2e-10L && &wave == &sawtoothWave) {
                // The odd terms alone are heard at pi / 2, as the square's; the even ones, sin of
                // a multiple of pi, add the slope 4 (cos pi + cos 2 pi + ...), -4 or 0.
                const long double odd = std::floor((static_cast<long double>(terms) + 1) / 2);
                const long double even = std::floor(static_cast<long double>(terms) / 2);
                const long double slope = std::fmod(even, 2.0L) == 1 ? -4 : 0;
                want = -(squareAtHalfPi(odd) + slope * off);
                slack = 2 * static_cast<long double>(terms) * off * off;
            } else {
                continue;
            }
            EXPECT_NEAR(
                line[curve + 1], static_cast<double>(want), within + static_cast<double>(slack))
                << "x = " << line[0];
            ++closedForms;
        }
    }
    EXPECT_EQ(closedForms, c.closedForms);
    EXPECT_GT(longSums + closedForms, 0u);
}

std::string valuesCaseName(const ::testing::TestParamInfo<ValuesCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Export, CurveValues, ::testing::ValuesIn(valuesCases), valuesCaseName);

// The Export dialog's sound and curve data are what --export writes for the same lesson, byte
// for byte: the newest curve at the player's pitch for 2 seconds, every curve at 1001 points.
TEST(PictureOut, SoundAndCurveDataAreTheCommandLinesForTheSamePicture)
{
    QTemporaryDir folder;
    const QString lesson = folder.filePath(QStringLiteral("lesson.fourier"));
    writeFile(lesson,
        curvesLesson({ { StepCommand::Triangle, "1e9" }, { StepCommand::Clear, "4" },
                         { StepCommand::Sawtooth, "25" }, { StepCommand::Square, "7" } },
            "-7.5"));
    Form1 form;
    testing::ModalDismisser dismisser;
    ASSERT_TRUE(form.openLesson(lesson));
    auto* actions = form.pictureBox().findChild<PictureActions*>();
    ASSERT_NE(actions, nullptr);
    form.player().setPitch(440);
    for (const char* name : { "window.csv", "window.wav" })
        EXPECT_TRUE(actions->exportPicture(folder.filePath(QString::fromLatin1(name)), {}));
    ASSERT_EQ(runProgram(folder.path(),
                  { QStringLiteral("--export"), QStringLiteral("program.csv"), lesson }),
        0);
    ASSERT_EQ(runProgram(folder.path(),
                  { QStringLiteral("--export"), QStringLiteral("program.wav"),
                      QStringLiteral("--pitch"), QStringLiteral("440"), lesson }),
        0);
    const QByteArray csv = contents(folder.filePath(QStringLiteral("program.csv")));
    EXPECT_TRUE(csv.startsWith("x,\"Sawtooth series, 25 terms, scale -7.5\",\"Square series, 7 "
                               "terms, scale -7.5\"\r\n-7.5,"));
    EXPECT_EQ(contents(folder.filePath(QStringLiteral("window.csv"))), csv);
    const QByteArray wav = contents(folder.filePath(QStringLiteral("program.wav")));
    EXPECT_EQ(wav.size(), 44 + 2 * 2 * 44'100);
    EXPECT_EQ(contents(folder.filePath(QStringLiteral("window.wav"))), wav);
    EXPECT_TRUE(dismisser.messages.empty());

    // A write cut short keeps the older file, as every other output does.
    {
        FileSizeLimit limit(4096);
        for (const char* name : { "program.csv", "program.wav" })
            EXPECT_FALSE(actions->exportPicture(folder.filePath(QLatin1String(name)), {}));
    }
    EXPECT_EQ(contents(folder.filePath(QStringLiteral("program.csv"))), csv);
    EXPECT_EQ(contents(folder.filePath(QStringLiteral("program.wav"))), wav);
    ASSERT_EQ(dismisser.messages.size(), 2u);
    EXPECT_NE(
        dismisser.messages[0].find("The curve data could not be exported"), std::string::npos);
    EXPECT_NE(dismisser.messages[1].find("The sound could not be exported"), std::string::npos);
    dismisser.messages.clear();

    // With no curve in the picture there is nothing to write, and the older file stays.
    form.Command1_Click();
    EXPECT_FALSE(actions->exportPicture(folder.filePath(QStringLiteral("program.wav")), {}));
    EXPECT_EQ(contents(folder.filePath(QStringLiteral("program.wav"))), wav);
    ASSERT_EQ(dismisser.messages.size(), 1u);
    EXPECT_NE(dismisser.messages[0].find("the picture shows no curve"), std::string::npos);
}

/// A sound output that writes down what the player asks of it, as "tone 3 at 220" (the terms
/// heard and the pitch), "start" and "stop", and fails when the test says.
struct SoundLog {
    std::vector<std::string> calls;
    SoundOutput::FailureHandler fail;
    bool hasDevice = true;
};
class LoggedOutput final : public SoundOutput {
public:
    explicit LoggedOutput(std::shared_ptr<SoundLog> log)
        : m_log(std::move(log))
    {
    }
    void onFailure(FailureHandler handler) override { m_log->fail = std::move(handler); }
    void setTone(std::shared_ptr<const Tone> tone) override
    {
        m_log->calls.push_back(
            "tone " + std::to_string(tone->heardTerms()) + " at " + std::to_string(tone->pitch()));
    }
    bool start() override
    {
        m_log->calls.emplace_back("start");
        return m_log->hasDevice;
    }
    void stop() override { m_log->calls.emplace_back("stop"); }

private:
    std::shared_ptr<SoundLog> m_log;
};

/// The calls \a log holds, taken out of it.
std::vector<std::string> taken(SoundLog& log)
{
    return std::exchange(log.calls, {});
}

struct PlayCase {
    const char* button;
    const char* terms;
    int pitch;
    const char* tooltip;
};

const PlayCase playCases[] = {
    { "Ejecutar", "100", 220,
        "Plays the newest curve as a tone of 220 Hz. Harmonics at 20 kHz and above cannot be "
        "heard, so at 220 Hz only the first 45 of its 100 terms sound." },
    { "Command5", "1e300", 880,
        "Plays the newest curve as a tone of 880 Hz. Harmonics at 20 kHz and above cannot be "
        "heard, so at 880 Hz only the first 22 of its 1e+300 terms sound." },
    { "Command4", "45", 220, "Plays the newest curve as a tone of 220 Hz." },
    { "Command3", "100", 110, "Plays the newest curve as a tone of 110 Hz." },
    { "Command1", "100", 220, "Plays the newest curve as a tone. The picture shows no curve." },
};

// Play Sound is the menu's last entry, with Ctrl+L from anywhere in the program, greyed without a
// curve, and says what is heard: where the band limit cuts the sum short, how far it is heard.
// Without the sound module (the tests have none beside them), or with it and no sound device,
// it says so in one message, and the window goes on.
TEST(Sound, PlaySaysWhatIsHeardAndWhyItCannotPlay)
{
    Form1 form;
    QAction* play = menuEntry(form.pictureBox(), QStringLiteral("Play Sound"));
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(form.pictureBox().actions().back(), play);
    EXPECT_EQ(play->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(play->shortcutContext(), Qt::ApplicationShortcut);
    EXPECT_TRUE(play->isCheckable());
    EXPECT_FALSE(play->isEnabled());
    for (const PlayCase& c : playCases) {
        SCOPED_TRACE(c.tooltip);
        setTexts(form, c.terms, "10");
        form.player().setPitch(c.pitch);
        button(form, c.button)->click();
        EXPECT_EQ(play->toolTip().toStdString(), c.tooltip);
        EXPECT_EQ(play->isEnabled(), std::string(c.button) != "Command1");
    }

    testing::ModalDismisser dismisser;
    form.Ejecutar_Click();
    play->trigger();
    EXPECT_EQ(dismisser.messages,
        std::vector<std::string> { "The sound cannot be played: the sound module "
                                   "fourier-analysis-audio.so is not installed" });
    EXPECT_FALSE(play->isChecked());
    form.Command2_Click();
    EXPECT_EQ(newestCurve(form.document().surface())->command, StepCommand::Sin);
    EXPECT_EQ(dismisser.messages.size(), 1u);

    // The module itself, with no sound server to answer it.
    qputenv("PULSE_SERVER", "unix:/nonexistent/fourier-analysis-test");
    Player player(form.document(), nullptr,
        Player::moduleOpener({ QStringLiteral("/nonexistent/fourier-analysis-audio.so"),
            QStringLiteral(FOURIER_AUDIO_MODULE_PATH) }));
    QObject::connect(&player, &Player::failed, &form,
        [&form](const QString& message) { QMessageBox::warning(&form, QString(), message); });
    player.play();
    EXPECT_EQ(dismisser.messages.back(), "The sound cannot be played: there is no sound device");
    EXPECT_EQ(dismisser.messages.size(), 2u);
    EXPECT_FALSE(player.isPlaying());
    qunsetenv("PULSE_SERVER");
}

// The sound follows the picture: a new curve, undo and redo hand the output the newest curve's
// tone, a count heard the same changes nothing, the pitch changes it at once, and Clear stops
// it. A device that fails says so once, and Play starts it again.
TEST(Sound, FollowsTheNewestCurveUndoRedoClearAndThePitch)
{
    Form1 form;
    testing::ModalDismisser dismisser;
    auto log = std::make_shared<SoundLog>();
    Player player(
        form.document(), nullptr, [log](QString&) { return std::make_unique<LoggedOutput>(log); });
    std::vector<std::string> messages;
    QObject::connect(&player, &Player::failed, &form,
        [&messages](const QString& message) { messages.push_back(message.toStdString()); });
    player.play();
    EXPECT_TRUE(taken(*log).empty());
    setTexts(form, "3", "10");
    form.Ejecutar_Click();
    player.play();
    EXPECT_EQ(taken(*log), (std::vector<std::string> { "tone 3 at 220", "start" }));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(player.action()->isChecked());

    struct Change {
        std::function<void()> make;
        std::vector<std::string> heard;
    };
    const Change changes[] = {
        { [&] { setTexts(form, "5", "10"), form.Command4_Click(); }, { "tone 5 at 220" } },
        { [&] { form.undo(); }, { "tone 3 at 220" } },
        { [&] { form.redo(); }, { "tone 5 at 220" } },
        { [&] { player.setPitch(440); }, { "tone 5 at 440" } },
        { [&] { setTexts(form, "100", "10"), form.Ejecutar_Click(); }, { "tone 23 at 440" } },
        // Every term from the 23rd on is above 20 kHz: the same sound.
        { [&] { setTexts(form, "1e400", "10"), form.Ejecutar_Click(); }, {} },
        { [&] { form.Command1_Click(); }, { "stop" } },
        { [&] { form.undo(); }, {} },
    };
    for (const Change& change : changes) {
        change.make();
        EXPECT_EQ(taken(*log), change.heard) << change.heard.size();
    }
    EXPECT_FALSE(player.isPlaying());

    player.action()->trigger();
    EXPECT_EQ(taken(*log), (std::vector<std::string> { "tone 23 at 440", "start" }));
    log->fail(SoundOutput::Failure::StoppedWorking);
    log->fail(SoundOutput::Failure::StoppedWorking);
    QApplication::processEvents();
    EXPECT_EQ(messages,
        std::vector<std::string> {
            "The sound cannot be played: the sound device stopped working" });
    EXPECT_FALSE(player.action()->isChecked());
    log->hasDevice = false;
    player.play();
    EXPECT_EQ(messages.back(), "The sound cannot be played: there is no sound device");
    EXPECT_FALSE(player.isPlaying());
    EXPECT_TRUE(dismisser.messages.empty());
}

} // namespace
} // namespace fourier
