// SPDX-License-Identifier: MIT
#include "form1.h"
#include "layout.h"
#include "modaldismisser.h"
#include "picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

namespace fourier {
namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString accessibleDescription(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

TEST(Accessibility, EveryControlIsNamedByItsCaptionOrItsLabel)
{
    Form1 form;
    for (const ControlLayout& control : form1Controls) {
        const QString name = QString::fromUtf8(control.name.data(), control.name.size());
        SCOPED_TRACE(name.toStdString());
        auto* widget = form.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr);
        QString expected = QString::fromUtf8(control.text.data(), control.text.size());
        if (control.kind == ControlKind::TextBox) {
            for (const auto& [box, label] : textBoxLabels) {
                if (box == control.name) {
                    // Named, not captured: clang 14 cannot capture a structured binding.
                    const std::string_view labelName = label;
                    const auto it = std::find_if(form1Controls.begin(), form1Controls.end(),
                        [&](const ControlLayout& other) { return other.name == labelName; });
                    expected = QString::fromUtf8(it->text.data(), it->text.size());
                }
            }
        }
        if (control.kind == ControlKind::PictureBox)
            expected = QString::fromUtf8(plotAreaName.data(), plotAreaName.size());
        EXPECT_EQ(accessibleName(widget).toStdString(), expected.toStdString());
    }
    EXPECT_EQ(accessibleName(form.findChild<QWidget*>(QStringLiteral("T1"))).toStdString(),
        "Number of Coeficients in the Fourier Series");
    EXPECT_EQ(
        accessibleName(form.findChild<QWidget*>(QStringLiteral("T2"))).toStdString(), "X,Y Scale");
    // A filler or a frame role makes screen readers skip the window or take the plot area for
    // a window of its own.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Window);
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(&form.pictureBox())->role(), QAccessible::Graphic);
}

TEST(Accessibility, ThePlotAreaDescribesTheCurvesSinceTheLastClear)
{
    Form1 form;
    testing::ModalDismisser dismisser;
    auto* t1 = form.findChild<QLineEdit*>(QStringLiteral("T1"));
    auto* t2 = form.findChild<QLineEdit*>(QStringLiteral("T2"));
    QWidget* pic = &form.pictureBox();
    EXPECT_EQ(accessibleDescription(pic), QString());

    form.Ejecutar_Click();
    t1->setText(QStringLiteral("1"));
    form.Command4_Click();
    t1->setText(QStringLiteral("2.5"));
    t2->setText(QStringLiteral("-5"));
    form.Command5_Click();
    form.Command2_Click();
    t2->setText(QStringLiteral("0.5"));
    form.Command3_Click();
    EXPECT_EQ(accessibleDescription(pic).toStdString(),
        "Square series, 4 terms, scale 10\n"
        "Triangle series, 1 term, scale 10\n"
        "Sawtooth series, 2 terms, scale -5\n"
        "y = 4 sin x, scale -5\n"
        "y = 4 cos x, scale 0.5");

    // A refused scale clears the picture, and with it the description, then draws.
    t2->setText(QStringLiteral("25"));
    form.Command2_Click();
    EXPECT_EQ(accessibleDescription(pic).toStdString(), "y = 4 sin x, scale 0.5");
    // A count of 0 draws the frame but no curve.
    t1->setText(QStringLiteral("0"));
    form.Command1_Click();
    form.Ejecutar_Click();
    EXPECT_EQ(accessibleDescription(pic), QString());
}

TEST(Accessibility, MessagesAreAlertsWithTheApplicationsTitle)
{
    Form1 form;
    form.show();
    testing::ModalDismisser dismisser;
    form.findChild<QLineEdit*>(QStringLiteral("T1"))->setText(QStringLiteral("0"));
    form.Ejecutar_Click();
    // An alert is what screen readers announce as soon as it appears.
    EXPECT_EQ(dismisser.messageRoles, std::vector<QAccessible::Role> { QAccessible::AlertMessage });
    EXPECT_EQ(dismisser.messages, std::vector<std::string> { "No Signal Available" });
}

void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &event);
}

// Column 215 holds x = pi/2 at scale 10, where the square wave's sum of 10 terms passes through
// row 113; all three sums pass through the origin, pixel (186, 162).
TEST(Accessibility, TheArrowKeysMoveAProbeWhoseReadingIsThePlotAreasDescription)
{
    Form1 form;
    form.show();
    form.activateWindow();
    QElapsedTimer timer;
    timer.start();
    while (!form.isActiveWindow() && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(form.isActiveWindow());
    PictureBox& pic = form.pictureBox();
    pic.setFocus();
    press(&pic, Qt::Key_Right);
    EXPECT_EQ(accessibleDescription(&pic).toStdString(),
        "Nothing to read yet: type a scale and click a button to draw.");
    EXPECT_FALSE(pic.probe().has_value());
    press(&pic, Qt::Key_Escape);
    EXPECT_EQ(accessibleDescription(&pic), QString());

    for (const char* terms : { "1", "3", "10" }) {
        form.findChild<QLineEdit*>(QStringLiteral("T1"))->setText(QString::fromLatin1(terms));
        form.Ejecutar_Click();
    }
    const std::string curves = "Square series, 1 term, scale 10\n"
                               "Square series, 3 terms, scale 10\n"
                               "Square series, 10 terms, scale 10";
    EXPECT_EQ(accessibleDescription(&pic).toStdString(), curves);
    const QImage picture = pic.surface().image();
    const QImage shown = pic.grab().toImage();

    // The first key shows the probe at the origin; then it moves, by ten pixels with Shift.
    press(&pic, Qt::Key_Left);
    EXPECT_EQ(pic.probe(), QPoint(186, 162));
    EXPECT_EQ(accessibleDescription(&pic).toStdString(),
        "x = 0.00 (0.00\u03c0)\ny = 0.00\nSquare series, 10 terms, scale 10\n"
        "Square series, 3 terms, scale 10\nSquare series, 1 term, scale 10");
    for (int i = 0; i < 3; ++i)
        press(&pic, Qt::Key_Right, Qt::ShiftModifier);
    press(&pic, Qt::Key_Left);
    for (int i = 0; i < 5; ++i)
        press(&pic, Qt::Key_Up, Qt::ShiftModifier);
    press(&pic, Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_EQ(pic.probe(), QPoint(215, 113));
    const std::string reading
        = "x = 1.55 (0.49\u03c0)\ny = 3.02\nSquare series, 10 terms, scale 10";
    EXPECT_EQ(accessibleDescription(&pic).toStdString(), reading);
    // On the screen the probe rings the pixel it reads, in the selection's colour; the picture
    // itself has not changed.
    const QImage withProbe = pic.grab().toImage();
    const QPoint ring = pic.contentsRect().topLeft() + QPoint(215 + 3, 113);
    EXPECT_EQ(withProbe.pixelColor(ring), pic.palette().color(QPalette::Highlight));
    EXPECT_EQ(withProbe.pixel(ring - QPoint(3, 0)), shown.pixel(ring - QPoint(3, 0)));
    EXPECT_TRUE(pic.surface().image() == picture);

    // It stops at the edge, Home brings it back to the origin, Escape hides it.
    for (int i = 0; i < 30; ++i)
        press(&pic, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(pic.probe(), QPoint(215, 0));
    press(&pic, Qt::Key_Home);
    EXPECT_EQ(pic.probe(), QPoint(186, 162));
    press(&pic, Qt::Key_Right);
    press(&pic, Qt::Key_Escape);
    EXPECT_FALSE(pic.probe().has_value());
    EXPECT_EQ(accessibleDescription(&pic).toStdString(), curves);
    EXPECT_TRUE(pic.grab().toImage() == shown);

    // It shows again where it was, stays while the plot area's menu is open, and goes when the
    // focus leaves the plot area.
    press(&pic, Qt::Key_Down);
    EXPECT_EQ(pic.probe(), QPoint(187, 162));
    QFocusEvent menuOpens(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(&pic, &menuOpens);
    EXPECT_EQ(pic.probe(), QPoint(187, 162));
    press(&pic, Qt::Key_Tab);
    EXPECT_EQ(
        QApplication::focusWidget(), form.findChild<QPushButton*>(QStringLiteral("Ejecutar")));
    EXPECT_FALSE(pic.probe().has_value());
    EXPECT_EQ(accessibleDescription(&pic).toStdString(), curves);
    EXPECT_TRUE(pic.surface().image() == picture);
}

} // namespace
} // namespace fourier
