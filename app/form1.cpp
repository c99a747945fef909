// SPDX-License-Identifier: MIT
#include "form1.h"

#include "accessibleroles.h"
#include "coretexts.h"
#include "frame.h"
#include "layout.h"
#include "pictureactions.h"
#include "picturebox.h"
#include "series.h"
#include "wrappingbutton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <algorithm>
#include <array>
#include <exception>
#include <vector>

namespace fourier {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// The caption of \a control, a button or a label, in the running application's language.
QString caption(const ControlLayout& control)
{
    return QCoreApplication::translate("fourier::Form1", control.text.data());
}

QColor toQColor(Colour colour)
{
    return QColor::fromRgb(toQRgb(colour));
}

constexpr QRect toPixels(const TwipRect& rect)
{
    return { rect.left / twipsPerPixel, rect.top / twipsPerPixel, rect.width / twipsPerPixel,
        rect.height / twipsPerPixel };
}

// The picture box's rectangle, less its border, is the plot area the commands are built for.
static_assert(
    toPixels(controlNamed("Pic").rect).width() - 2 * PictureBox::borderWidth == plotAreaWidth);
static_assert(
    toPixels(controlNamed("Pic").rect).height() - 2 * PictureBox::borderWidth == plotAreaHeight);

QLabel* makeLabel(const ControlLayout& control, QWidget* parent)
{
    auto* label = new QLabel(caption(control), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(control.name != singleLineLabel);
    return label;
}

/// Gives \a widget its control's name, place and colours, and a button or label its caption as
/// the name screen readers announce.
void applyLayout(QWidget& widget, const ControlLayout& control)
{
    widget.setObjectName(fromUtf8(control.name));
    // A translation may break a caption onto two lines where it would not wrap by itself.
    if (control.kind == ControlKind::PushButton || control.kind == ControlKind::Label)
        widget.setAccessibleName(caption(control).replace(u'\n', u' '));
    widget.setGeometry(toPixels(control.rect));
    if (control.foreground || control.background) {
        QPalette colours = widget.palette();
        if (control.foreground)
            colours.setColor(QPalette::WindowText, toQColor(*control.foreground));
        if (control.background)
            colours.setColor(QPalette::Window, toQColor(*control.background));
        widget.setPalette(colours);
        widget.setAutoFillBackground(true);
    }
}

/// \a font, made just small enough for \a text to fit on the one-line heading.
QFont fittedFont(QFont font, const QString& text)
{
    constexpr double smallestPoint = 6.0;
    constexpr double pointStep = 0.5;
    const int room = toPixels(controlNamed(singleLineLabel).rect).width();
    while (font.pointSizeF() > smallestPoint && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - pointStep);
    return font;
}

using ControlWidgets = std::array<QWidget*, form1Controls.size()>;

/// Puts the labels beneath the controls they reach under.
void stackLabelsBeneath(const ControlWidgets& widgets)
{
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        if (form1Controls[i].kind == ControlKind::Label)
            widgets[i]->lower();
    }
}

/// Chains every control but the labels in the order of their tab indexes, and focuses the first.
void orderTabs(QWidget& window, const ControlWidgets& widgets)
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        if (form1Controls[i].kind != ControlKind::Label)
            tabOrder.emplace_back(form1Controls[i].tabIndex, widgets[i]);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        window.setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    tabOrder.front().second->setFocus();
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    installAccessibleRoles();
    setUpWindow();
    ControlWidgets widgets {};
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        widgets[i] = makeControl(form1Controls[i]);
        applyLayout(*widgets[i], form1Controls[i]);
    }
    nameForScreenReaders();
    stackLabelsBeneath(widgets);
    orderTabs(*this, widgets);
}

void Form1::setUpWindow()
{
    setWindowTitle(fromUtf8(applicationTitle));
    setFixedSize(formWidthTwips / twipsPerPixel, formHeightTwips / twipsPerPixel);
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, toQColor(formBackground));
    setPalette(formPalette);
    setAutoFillBackground(true);
    // The whole window takes the font its English heading fits in, whatever the language: the
    // plot's numbers are drawn in it, and are the same pixels in every language. Translations
    // are worded to fit in it.
    setFont(fittedFont(QApplication::font(), fromUtf8(controlNamed(singleLineLabel).text)));
}

QWidget* Form1::makeControl(const ControlLayout& control)
{
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new WrappingButton(caption(control), this);
        connect(button, &QPushButton::clicked, this, control.onClick);
        return button;
    }
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(fromUtf8(control.text), this);
        (control.role == TextRole::Terms ? m_t1 : m_t2) = edit;
        return edit;
    }
    case ControlKind::PictureBox: {
        const QRect rect = toPixels(control.rect);
        m_pic = new PictureBox(rect.width(), rect.height(), this);
        m_pic->surface().setFont(font());
        return m_pic;
    }
    case ControlKind::Label: {
        QLabel* label = makeLabel(control, this);
        // Only a heading translated too long for its room gets a smaller font of its own.
        if (control.name == singleLineLabel) {
            const QFont fitted = fittedFont(font(), label->text());
            if (fitted != font())
                label->setFont(fitted);
        }
        return label;
    }
    }
    Q_UNREACHABLE();
}

void Form1::nameForScreenReaders()
{
    m_pic->setAccessibleName(QCoreApplication::translate("fourier::Form1", plotAreaName.data()));
    m_pic->setDescriber(translatedDescription);
    new PictureActions(*m_pic); // owned by the picture box
    for (const auto& [boxName, labelName] : textBoxLabels) {
        auto* box = findChild<QLineEdit*>(fromUtf8(boxName));
        auto* label = findChild<QLabel*>(fromUtf8(labelName));
        label->setBuddy(box);
        box->setAccessibleName(label->accessibleName());
    }
}

Form1::~Form1() = default;

std::string Form1::T1Text() const
{
    return m_t1->text().toStdString();
}

std::string Form1::T2Text() const
{
    return m_t2->text().toStdString();
}

PlotSurface& Form1::Pic()
{
    return m_pic->surface();
}

void Form1::MsgBox(std::string_view text)
{
    // What was drawn before the message shows behind it.
    m_pic->update();
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(applicationTitle), translatedMessage(text),
        QMessageBox::Ok, this);
    box.exec();
}

bool Form1::reportProgress(double fraction)
{
    constexpr int steps = 1000;
    if (!m_progress) {
        // A quick plot never shows a dialog, and until one is shown no events are processed, so
        // no other command can start in the middle of this one.
        if (m_commandTimer.elapsed() < progressDelay.count())
            return true;
        m_progress = std::make_unique<QProgressDialog>(
            tr("Drawing the curve\u2026"), tr("Cancel"), 0, steps, this);
        m_progress->setWindowTitle(fromUtf8(applicationTitle));
        m_progress->setWindowModality(Qt::ApplicationModal);
        m_progress->setMinimumDuration(0);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->show();
        m_pic->update();
    }
    m_progress->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * (steps - 1)));
    QApplication::processEvents();
    return !m_progress->wasCanceled();
}

void Form1::run(void (*command)(FormContext&))
{
    if (m_running)
        return;
    m_running = true;
    m_commandTimer.start();
    try {
        command(*this);
    } catch (const std::exception& failure) {
        // Out of memory or threads: the window stays usable, and the user learns why nothing
        // (or only the axes) appeared. Nothing may propagate into Qt's event loop.
        m_progress.reset();
        QMessageBox::critical(this, fromUtf8(applicationTitle),
            tr("The curve could not be drawn: %1").arg(QString::fromLocal8Bit(failure.what())));
    }
    m_progress.reset();
    m_running = false;
    m_pic->refresh();
}

void Form1::Command1_Click()
{
    run(fourier::Command1_Click);
}
void Form1::Command2_Click()
{
    run(fourier::Command2_Click);
}
void Form1::Command3_Click()
{
    run(fourier::Command3_Click);
}
void Form1::Ejecutar_Click()
{
    run(fourier::Ejecutar_Click);
}
void Form1::Command4_Click()
{
    run(fourier::Command4_Click);
}
void Form1::Command5_Click()
{
    run(fourier::Command5_Click);
}

} // namespace fourier
