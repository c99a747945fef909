// SPDX-License-Identifier: MIT
#include "form1.h"

#include "accessibleroles.h"
#include "controls.h"
#include "coretexts.h"
#include "echo.h"
#include "harmonicswindow.h"
#include "layout.h"
#include "lessonfile.h"
#include "pictureactions.h"
#include "picturebox.h"
#include "pictureexport.h"
#include "picturereadout.h"
#include "player.h"
#include "replay.h"
#include "windowsize.h"
#include "wrappingbutton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QMimeData>
#include <QProgressDialog>
#include <QUrl>
#include <algorithm>
#include <exception>
#include <new>
#include <optional>

namespace fourier {

namespace {

/// Why \a failure stopped the work, in the user's words: running out of memory is said as such,
/// not as the library's name for it.
QString reasonOf(const std::exception& failure)
{
    if (dynamic_cast<const std::bad_alloc*>(&failure))
        return Form1::tr("not enough memory");
    return QString::fromLocal8Bit(failure.what());
}

/// Whether \a event is one of the keys that undo or redo, and which.
std::optional<bool> undoOrRedoKey(const QEvent& event)
{
    const auto& key = static_cast<const QKeyEvent&>(event);
    const QKeySequence pressed(key.keyCombination());
    if (undoKeys().contains(pressed))
        return false;
    if (redoKeys().contains(pressed))
        return true;
    return std::nullopt;
}

/// The first local file among what is dragged, or nothing.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
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
    m_document = std::make_unique<PictureDocument>(Pic());
    m_document->watch([this] { m_pic->refresh(); });
    // Silent until Play: the sound module is loaded then, not now.
    m_player = new Player(*m_document, this);
    connect(m_player, &Player::failed, this, [this](const QString& message) { warn(message); });
    // The plot area's context menu and its readout, which the picture box owns.
    new PictureActions(*m_pic, *this, *m_player);
    new PictureReadout(*m_pic);
    nameForScreenReaders();
    stackLabelsBeneath(widgets);
    orderTabs(*this, widgets);
    for (QLineEdit* box : { m_t1, m_t2 })
        box->installEventFilter(this);
    setAcceptDrops(true);
}

void Form1::setUpWindow()
{
    setWindowTitle(fromUtf8(applicationTitle));
    setFixedSize(formSize);
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, toQColor(formBackground));
    setPalette(formPalette);
    setAutoFillBackground(true);
    // The whole window takes the font its English heading fits in, whatever the language: the
    // plot's numbers are drawn in it, and are the same pixels in every language. Translations
    // are worded to fit in it.
    setFont(windowFont());
}

QWidget* Form1::makeControl(const ControlLayout& control)
{
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new WrappingButton(caption(control), this);
        connectToSlot(*button, control.name);
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

void Form1::connectToSlot(QPushButton& button, std::string_view name)
{
    // As Qt's own forms wire a button to the slot its name gives: Command1 to Command1_Click.
    const QByteArray slot
        = QByteArray(name.data(), static_cast<qsizetype>(name.size())) + "_Click()";
    const int index = metaObject()->indexOfSlot(slot.constData());
    Q_ASSERT_X(index >= 0, "Form1::connectToSlot", "a button of the control table has no slot");
    const QMetaMethod clicked = QMetaMethod::fromSignal(&QPushButton::clicked);
    connect(&button, clicked, this, metaObject()->method(index));
}

void Form1::nameForScreenReaders()
{
    m_pic->setAccessibleName(QCoreApplication::translate("fourier::Form1", plotAreaName.data()));
    m_pic->setDescriber(translatedDescription);
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

bool Form1::run(const std::function<void()>& work)
{
    if (m_running)
        return false;
    m_running = true;
    m_commandTimer.start();
    bool finished = false;
    try {
        work();
        finished = true;
    } catch (const std::exception& failure) {
        // Out of memory or threads: the window stays usable, and the user learns why nothing
        // (or only the axes) appeared. Nothing may propagate into Qt's event loop.
        m_progress.reset();
        QMessageBox::critical(this, fromUtf8(applicationTitle),
            tr("The curve could not be drawn: %1").arg(reasonOf(failure)));
    }
    m_progress.reset();
    m_running = false;
    m_pic->refresh();
    return finished;
}

void Form1::click(StepCommand command)
{
    if (m_running)
        return;
    Step step { command, T1Text(), T2Text(), {} };
    run([this, &step] { m_document->take(*this, std::move(step)); });
}

void Form1::drawIdealWave()
{
    click(StepCommand::Ideal);
}

void Form1::showHarmonics()
{
    if (!m_harmonics)
        m_harmonics = new HarmonicsWindow(*m_document, *m_player, this);
    m_harmonics->showBeside(*this);
}

void Form1::undo()
{
    stepThroughHistory(&PictureDocument::undo, tr("The step could not be undone: %1"));
}

void Form1::redo()
{
    stepThroughHistory(&PictureDocument::redo, tr("The step could not be redone: %1"));
}

void Form1::stepThroughHistory(bool (PictureDocument::*step)(), const QString& failed)
{
    if (m_running)
        return;
    try {
        ((*m_document).*step)();
    } catch (const std::exception& failure) {
        QMessageBox::critical(this, fromUtf8(applicationTitle), failed.arg(reasonOf(failure)));
    }
}

void Form1::warn(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, fromUtf8(applicationTitle), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool Form1::openLesson(const QString& path)
{
    if (m_running)
        return false;
    LessonReading reading;
    try {
        reading = readLessonFile(path);
    } catch (const std::exception& failure) {
        reading.error = reasonOf(failure);
    }
    if (!reading.error.isEmpty()) {
        warn(tr("The lesson %1 could not be opened: %2").arg(shownPath(path), reading.error));
        return false;
    }
    const ImageSurface& shown = m_pic->surface();
    ImageSurface startUp(shown.image().width(), shown.image().height());
    startUp.setFont(shown.font());
    bool opened = false;
    const bool ran
        = run([&] { opened = m_document->adoptLesson(path, reading.steps, *this, startUp); });
    if (!ran || !opened)
        return false;
    if (!reading.steps.empty()) {
        m_t1->setText(QString::fromStdString(reading.steps.back().terms));
        m_t2->setText(QString::fromStdString(reading.steps.back().scale));
    }
    return true;
}

bool Form1::drawAfresh(PlotSurface& surface)
{
    if (m_running)
        return false;
    if (!m_document->history().lessonComplete()) {
        warn(tr("The picture cannot be drawn afresh: it has more than the %1 steps that are "
                "kept for it.")
                 .arg(QString::number(maxLessonSteps)));
        return false;
    }
    bool drawn = false;
    std::exception_ptr failure;
    const bool ran = run([&] {
        try {
            drawn = drawSteps(*this, m_document->history().lesson(), surface);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    // The export, print or copy that asked says why it failed, in its own words; the window is
    // ready for the next command by now.
    if (failure)
        std::rethrow_exception(failure);
    return ran && drawn;
}

bool Form1::saveLesson(const QString& path)
{
    const QString failure = m_document->writeLesson(path);
    if (failure.isEmpty())
        return true;
    warn(tr("The lesson could not be saved as %1: %2").arg(shownPath(path), failure));
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QWidget::eventFilter(watched, event);
    const std::optional<bool> redoing = undoOrRedoKey(*event);
    if (!redoing)
        return QWidget::eventFilter(watched, event);
    // Claimed before the window's shortcuts see it, the key comes to the box as a key press,
    // and the box undoes or redoes its typing whatever keys the platform binds to that.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        if (*redoing)
            box->redo();
        else
            box->undo();
    }
    return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: the program that the file was dragged from waits for it.
    QMetaObject::invokeMethod(
        this, [this, path] { openLesson(path); }, Qt::QueuedConnection);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!mayLeavePicture()) {
        event->ignore();
        return;
    }
    m_player->stop();
    event->accept();
}

bool Form1::mayLeavePicture()
{
    if (!m_document->hasUnsavedLesson())
        return true;
    const QString path = m_document->lessonPath();
    QMessageBox box(QMessageBox::Question, fromUtf8(applicationTitle),
        tr("Save the changes to %1?").arg(withControlsEscaped(QFileInfo(path).fileName())),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveLesson(path);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Form1::Command1_Click()
{
    click(StepCommand::Clear);
}
void Form1::Command2_Click()
{
    click(StepCommand::Sin);
}
void Form1::Command3_Click()
{
    click(StepCommand::Cos);
}
void Form1::Ejecutar_Click()
{
    click(StepCommand::Square);
}
void Form1::Command4_Click()
{
    click(StepCommand::Triangle);
}
void Form1::Command5_Click()
{
    click(StepCommand::Sawtooth);
}

} // namespace fourier
