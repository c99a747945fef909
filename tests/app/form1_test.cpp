#include "form1.h"
#include "picturebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace fourier {
namespace {

struct Control {
    const char* name;
    const char* className;
    const char* text;
    QRect twips;
};

const Control controls[] = {
    { "Command5", "QPushButton", "Calculate Sawtooh Series", { 7680, 6240, 1335, 615 } },
    { "Command4", "QPushButton", "Calculate Triangular Series", { 6000, 6240, 1335, 615 } },
    { "T2", "QLineEdit", "10", { 7200, 4440, 1455, 495 } },
    { "T1", "QLineEdit", "4", { 2400, 6240, 1335, 495 } },
    { "Command3", "QPushButton", "Cos x", { 7320, 2160, 1335, 615 } },
    { "Command2", "QPushButton", "Sin x", { 7320, 1080, 1335, 615 } },
    { "Ejecutar", "QPushButton", "Calculate  Square Series", { 4200, 6240, 1335, 615 } },
    { "Pic", "fourier::PictureBox", "", { 480, 840, 5655, 4935 } },
    { "Command1", "QPushButton", "Clear", { 7320, 3240, 1335, 615 } },
    { "Label7", "QLabel", "This Program Shown the Fourier Series Behavior for Diferent Signals",
        { 480, 240, 4800, 195 } },
    { "Label6", "QLabel", "Clear Button", { 6240, 3360, 975, 855 } },
    { "Label5", "QLabel", "Odd Function", { 6240, 1200, 1335, 975 } },
    { "Label4", "QLabel", "Even Function", { 6240, 2400, 1095, 495 } },
    { "Label3", "QLabel", "Trigonometric Functions Representing an Analog Waveform",
        { 6240, 120, 2535, 855 } },
    { "Label2", "QLabel", "Number of Coeficients in the Fourier Series", { 480, 6240, 1695, 855 } },
    { "Label1", "QLabel", "X,Y Scale", { 6240, 4440, 1695, 615 } },
};

template <class T = QWidget>
T* child(Form1& form, const char* name)
{
    return form.findChild<T*>(QString::fromLatin1(name));
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

bool isWhite(const QImage& image)
{
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            if (image.pixel(column, row) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

TEST(Form1, EveryControlHasItsKindTextAndPlaceInAFixedWindow)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Fourier An\xC3\xA1lisis"));
    EXPECT_EQ(form.size(), QSize(624, 487));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 16);
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = child(form, c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(c.className));
        const QRect& t = c.twips;
        EXPECT_EQ(
            widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(widget))
            text = button->text();
        else if (auto* box = qobject_cast<QLineEdit*>(widget))
            text = box->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        EXPECT_EQ(text.toStdString(), c.text);
    }
}

TEST(Form1, TabGoesRoundTheControlsInOrderFromClear)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    const std::vector<std::string> order { "Command1", "Pic", "Ejecutar", "Command2", "Command3",
        "T1", "T2", "Command4", "Command5", "Command1" };
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < order.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        seen.push_back(focus ? focus->objectName().toStdString() : "(none)");
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        if (focus)
            QApplication::sendEvent(focus, &tab);
    }
    EXPECT_EQ(seen, order);
}

TEST(Form1, LabelsAreYellowOnGrayBeneathTheControlsTheyReachUnder)
{
    Form1 form;
    int overlaps = 0;
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const std::string name = label->objectName().toStdString();
        SCOPED_TRACE(name);
        EXPECT_EQ(label->wordWrap(), name != "Label7");
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(128, 128, 128));
        for (const Control& c : controls) {
            QWidget* widget = child(form, c.name);
            if (qobject_cast<QLabel*>(widget) || !widget->geometry().intersects(label->geometry()))
                continue;
            ++overlaps;
            const QPoint shared = widget->geometry().intersected(label->geometry()).center();
            QWidget* top = form.childAt(shared);
            EXPECT_TRUE(top == widget || widget->isAncestorOf(top)) << c.name;
        }
    }
    EXPECT_GE(overlaps, 2);
}

TEST(Form1, StartsWithAWhitePlotAreaThatClearAndTypingLeaveAlone)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    PictureBox& pic = form.pictureBox();
    const ImageSurface& surface = pic.surface();
    EXPECT_EQ(surface.image().size(), QSize(373, 325));
    EXPECT_TRUE(isWhite(surface.image()));
    EXPECT_TRUE(isWhite(pic.grab(pic.contentsRect()).toImage()));
    child<QPushButton>(form, "Command1")->click();
    EXPECT_TRUE(isWhite(pic.grab(pic.contentsRect()).toImage()));
    EXPECT_FALSE(surface.mapping().isUserScale());

    // Texts that would bring up a message, were a command to read them.
    auto* t1 = child<QLineEdit>(form, "T1");
    auto* t2 = child<QLineEdit>(form, "T2");
    t1->setText(QStringLiteral("0"));
    t2->setText(QStringLiteral("25"));
    QApplication::processEvents();
    EXPECT_TRUE(isWhite(surface.image()));
    t2->setText(QStringLiteral("5"));
    child<QPushButton>(form, "Command2")->click();
    EXPECT_EQ(surface.mapping().right(), 5);
    const QImage drawn = surface.image();
    t2->setText(QStringLiteral("10"));
    QApplication::processEvents();
    EXPECT_EQ(surface.mapping().right(), 5);
    EXPECT_TRUE(surface.image() == drawn);
}

TEST(Form1, EachButtonRunsItsOwnCommand)
{
    struct Press {
        const char* button;
        QRgb colour;
        double x;
        double y;
    };
    constexpr double pi = std::numbers::pi;
    // A point of each curve at the window's first texts, clear of the numbers of the frame.
    const Press presses[] = {
        { "Command2", qRgb(0, 0, 128), pi / 2, 4 },
        { "Command3", qRgb(0, 0, 0), 2 * pi, 4 },
        { "Ejecutar", qRgb(128, 0, 128), pi / 8, 3.72035 },
        { "Command4", qRgb(255, 0, 0), 2 * pi, 4.68608 },
        { "Command5", qRgb(0, 255, 0), pi / 5, -6.10911 },
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.button);
        Form1 form;
        ASSERT_TRUE(activate(form));
        const ImageSurface& surface = form.pictureBox().surface();
        child<QPushButton>(form, press.button)->click();
        const auto column = surface.mapping().column(static_cast<float>(press.x));
        const auto row = surface.mapping().row(static_cast<float>(press.y));
        ASSERT_TRUE(column && row);
        EXPECT_EQ(surface.image().pixel(*column, *row), press.colour);
        child<QPushButton>(form, "Command1")->click();
        EXPECT_TRUE(isWhite(surface.image()));
    }
}

} // namespace
} // namespace fourier
