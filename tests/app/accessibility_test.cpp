// SPDX-License-Identifier: MIT
#include "form1.h"
#include "layout.h"
#include "modaldismisser.h"
#include "picturebox.h"

#include <QAccessible>
#include <QLineEdit>
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

} // namespace
} // namespace fourier
