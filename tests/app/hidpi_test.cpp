// SPDX-License-Identifier: MIT
#include "form1.h"
#include "layout.h"
#include "picturebox.h"
#include "windowsize.h"

#include <QApplication>
#include <QPixmap>
#include <gtest/gtest.h>
#include <set>

namespace fourier {
namespace {

QRect devicePixels(const TwipRect& rect, int factor)
{
    return { rect.left / twipsPerPixel * factor, rect.top / twipsPerPixel * factor,
        rect.width / twipsPerPixel * factor, rect.height / twipsPerPixel * factor };
}

TEST(HighDensity, TheWindowAndEveryControlAreTwiceTheirSize)
{
    Form1 form;
    form.show();
    const int factor = 2;
    ASSERT_EQ(form.devicePixelRatio(), factor);
    const QPixmap shot = form.grab();
    EXPECT_EQ(shot.size(), formSize * factor);
    for (const ControlLayout& control : form1Controls) {
        auto* widget
            = form.findChild<QWidget*>(QString::fromUtf8(control.name.data(), control.name.size()));
        ASSERT_NE(widget, nullptr);
        const QRect logical = widget->geometry();
        const QRect device(logical.topLeft() * factor, logical.size() * factor);
        EXPECT_EQ(device, devicePixels(control.rect, factor)) << std::string(control.name);
    }
}

TEST(HighDensity, PointsStayCrispBlocks)
{
    Form1 form;
    form.show();
    form.Command2_Click();
    PictureBox& pic = form.pictureBox();
    const QImage model = pic.surface().image();
    const QImage shown = pic.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int factor = 2;
    const QPoint origin = pic.contentsRect().topLeft() * factor;
    // Every model pixel shows as a 2 x 2 block of exactly its colour: no smoothing.
    int mismatches = 0;
    for (int row = 0; row < model.height(); ++row) {
        for (int column = 0; column < model.width(); ++column) {
            const QRgb colour = model.pixel(column, row);
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const QPoint at = origin + QPoint(column * factor + dx, row * factor + dy);
                    mismatches += shown.pixel(at) != colour ? 1 : 0;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace fourier

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
