// SPDX-License-Identifier: MIT
#include "pictureactions.h"

#include "coretexts.h"
#include "dataexport.h"
#include "echo.h"
#include "exportsizedialog.h"
#include "lessonwindow.h"
#include "picturebox.h"
#include "pictureexport.h"
#include "player.h"
#include "safewrite.h"
#include "step.h"
#include "val.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>
#include <exception>
#include <optional>

namespace fourier {

namespace {

/// A typed count is named at most this long in the menu.
constexpr qsizetype longestCount = 12;

QString lessonFilter()
{
    return PictureActions::tr("Lesson (*.fourier)");
}

/// Where a file dialog starts: beside the last lesson, or in the documents folder.
QString startFolder(const QString& lastPath)
{
    if (!lastPath.isEmpty())
        return QFileInfo(lastPath).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

/// Where a picture is saved or exported by default: beside the last one, in the pictures
/// folder, or at home.
QString pictureFolder(const QString& lastPath)
{
    if (!lastPath.isEmpty())
        return QFileInfo(lastPath).absolutePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

/// The file dialog's filters for the export formats: the pictures' in the order of
/// ExportFormat, then the sound's and the curve data's.
struct ExportFilter {
    const char* filter;
    const char* suffix;
};

constexpr ExportFilter exportFilters[] = {
    { QT_TRANSLATE_NOOP("fourier::PictureActions", "PNG image (*.png)"), "png" },
    { QT_TRANSLATE_NOOP("fourier::PictureActions", "SVG drawing (*.svg)"), "svg" },
    { QT_TRANSLATE_NOOP("fourier::PictureActions", "PDF document (*.pdf)"), "pdf" },
    { QT_TRANSLATE_NOOP("fourier::PictureActions", "Sound (*.wav)"), "wav" },
    { QT_TRANSLATE_NOOP("fourier::PictureActions", "Curve data (*.csv)"), "csv" },
};

/// The filter of exportFilters whose ending \a path has, or the first.
const ExportFilter& exportFilterOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const ExportFilter& filter : exportFilters) {
        if (suffix == QLatin1String(filter.suffix))
            return filter;
    }
    return exportFilters[0];
}

QAction* separator(QObject* parent)
{
    auto* action = new QAction(parent);
    action->setSeparator(true);
    return action;
}

} // namespace

QList<QKeySequence> undoKeys()
{
    return { QKeySequence(Qt::CTRL | Qt::Key_Z) };
}

QList<QKeySequence> redoKeys()
{
    return { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) };
}

QString stepName(const Step& step)
{
    QString count = QString::fromStdString(step.terms).trimmed();
    if (count.size() > longestCount)
        count = count.left(longestCount) + u'\u2026';
    const QString name = translatedStepName(step.command, Val(step.terms) == 1.0);
    return commandRow(step.command).series ? name.arg(count) : name;
}

PictureActions::PictureActions(PictureBox& pictureBox, LessonWindow& window, Player& player)
    : QObject(&pictureBox)
    , m_pictureBox(pictureBox)
    , m_window(window)
    , m_player(player)
{
    m_undo = new QAction(this);
    m_undo->setShortcuts(undoKeys());
    connect(m_undo, &QAction::triggered, this, [this] { m_window.undo(); });
    m_redo = new QAction(this);
    m_redo->setShortcuts(redoKeys());
    connect(m_redo, &QAction::triggered, this, [this] { m_window.redo(); });
    auto* ideal = new QAction(tr("Draw Ideal Wave"), this);
    ideal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(ideal, &QAction::triggered, this, [this] { m_window.drawIdealWave(); });
    auto* harmonics = new QAction(tr("Harmonics\u2026"), this);
    harmonics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(harmonics, &QAction::triggered, this, [this] { m_window.showHarmonics(); });
    auto* copy = new QAction(tr("Copy Picture"), this);
    connect(copy, &QAction::triggered, this, &PictureActions::copyPicture);
    auto* save = new QAction(tr("Save Picture As\u2026"), this);
    connect(save, &QAction::triggered, this, &PictureActions::savePictureAs);
    auto* exportAs = new QAction(tr("Export Picture\u2026"), this);
    exportAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportAs, &QAction::triggered, this, &PictureActions::exportPictureAs);
    auto* print = new QAction(tr("Print\u2026"), this);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &PictureActions::printPreview);
    auto* open = new QAction(tr("Open Lesson\u2026"), this);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &PictureActions::openLesson);
    auto* saveLesson = new QAction(tr("Save Lesson As\u2026"), this);
    saveLesson->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveLesson, &QAction::triggered, this, &PictureActions::saveLessonAs);
    // The window's shortcuts, wherever the focus is in it; the text boxes keep the undo keys
    // for their typing (see Form1::eventFilter).
    for (QAction* action : { m_undo, m_redo, ideal, harmonics, exportAs, print, open, saveLesson })
        action->setShortcutContext(Qt::WindowShortcut);
    m_pictureBox.addActions({ m_undo, m_redo, separator(this), ideal, harmonics, separator(this),
        copy, save, exportAs, print, separator(this), open, saveLesson });
    m_pictureBox.setContextMenuPolicy(Qt::ActionsContextMenu);
    // Play Sound's shortcut, Ctrl+L, reaches it from every window of the program.
    m_pictureBox.addActions({ separator(this), m_player.action() });
    m_window.document().watch([this] { showSteps(); });
    showSteps();
}

void PictureActions::showSteps()
{
    const Step* undoable = m_window.document().history().undoable();
    m_undo->setEnabled(undoable != nullptr);
    m_undo->setText(undoable ? tr("Undo %1").arg(stepName(*undoable)) : tr("Undo"));
    const Step* redoable = m_window.document().history().redoable();
    m_redo->setEnabled(redoable != nullptr);
    m_redo->setText(redoable ? tr("Redo %1").arg(stepName(*redoable)) : tr("Redo"));
}

void PictureActions::openLesson()
{
    QFileDialog dialog(&m_pictureBox, tr("Open Lesson"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({ lessonFilter(), tr("All files (*)") });
    dialog.setDirectory(startFolder(m_window.document().lessonPath()));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_window.openLesson(dialog.selectedFiles().constFirst());
}

void PictureActions::saveLessonAs()
{
    QFileDialog dialog(&m_pictureBox, tr("Save Lesson As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(lessonFilter());
    dialog.setDefaultSuffix(QStringLiteral("fourier"));
    const QString last = m_window.document().lessonPath();
    dialog.setDirectory(startFolder(last));
    dialog.selectFile(
        last.isEmpty() ? QStringLiteral("lesson.fourier") : QFileInfo(last).fileName());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_window.saveLesson(dialog.selectedFiles().constFirst());
}

void PictureActions::copyPicture()
{
    if (m_lastSize == ExportSize()) {
        QGuiApplication::clipboard()->setImage(m_pictureBox.surface().image());
        return;
    }
    try {
        ExportPicture picture(ExportFormat::Png, m_lastSize, m_pictureBox.surface().font());
        if (m_window.drawAfresh(picture.surface()))
            QGuiApplication::clipboard()->setImage(picture.image()->image());
    } catch (const std::exception& failure) {
        warn(tr("The picture could not be copied: %1").arg(exportFailure(failure)));
    }
}

void PictureActions::savePictureAs()
{
    QFileDialog dialog(&m_pictureBox, tr("Save Picture As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("PNG image (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setDirectory(pictureFolder({}));
    dialog.selectFile(QStringLiteral("fourier-analysis.png"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        savePicture(dialog.selectedFiles().constFirst());
}

bool PictureActions::savePicture(const QString& path)
{
    QString failure;
    try {
        failure = writePng(m_pictureBox.surface().image(), path);
    } catch (const std::exception& thrown) {
        failure = exportFailure(thrown);
    }
    if (failure.isEmpty())
        return true;
    warn(tr("The picture could not be saved as %1: %2").arg(shownPath(path), failure));
    return false;
}

void PictureActions::warn(const QString& text)
{
    // Plain text: a file may be called <b>x</b>.png, and must be named as it was typed.
    QMessageBox box(QMessageBox::Warning, m_pictureBox.window()->windowTitle(), text,
        QMessageBox::Ok, &m_pictureBox);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void PictureActions::exportPictureAs()
{
    QFileDialog dialog(&m_pictureBox, tr("Export Picture"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const ExportFilter& format : exportFilters)
        filters.append(tr(format.filter));
    dialog.setNameFilters(filters);
    dialog.setDirectory(pictureFolder(m_lastExportPath));
    const QString last = m_lastExportPath.isEmpty() ? QStringLiteral("fourier-analysis.png")
                                                    : QFileInfo(m_lastExportPath).fileName();
    const ExportFilter& chosen = exportFilterOf(last);
    dialog.selectNameFilter(tr(chosen.filter));
    dialog.setDefaultSuffix(QString::fromLatin1(chosen.suffix));
    // A name typed without an ending gets the one of the format chosen.
    connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
            const auto at = filters.indexOf(filter);
            if (at >= 0)
                dialog.setDefaultSuffix(QString::fromLatin1(exportFilters[at].suffix));
        });
    dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    // Only a picture has a size to ask for.
    if (!exportFormatOf(path)) {
        exportPicture(path, m_lastSize);
        return;
    }
    ExportSizeDialog size(m_lastSize, &m_pictureBox);
    if (size.exec() == QDialog::Accepted)
        exportPicture(path, size.size());
}

bool PictureActions::exportPicture(const QString& path, ExportSize size)
{
    if (const std::optional<DataFormat> data = dataFormatOf(path))
        return exportCurves(path, *data);
    const std::optional<ExportFormat> format = exportFormatOf(path);
    QString failure;
    if (!format) {
        failure = tr("only PNG, SVG, PDF, WAV and CSV files can be made; end the name in .png, "
                     ".svg, .pdf, .wav or .csv");
    } else {
        // Whatever runs out of memory, the picture being drawn or the file being made, is given
        // back before the message shows; nothing reaches the disk.
        try {
            ExportPicture picture(*format, size, m_pictureBox.surface().font());
            if (!m_window.drawAfresh(picture.surface()))
                return false;
            failure = picture.write(path);
        } catch (const std::exception& thrown) {
            failure = exportFailure(thrown);
        }
    }
    if (!failure.isEmpty()) {
        warn(tr("The picture could not be exported as %1: %2").arg(shownPath(path), failure));
        return false;
    }
    m_lastSize = size;
    m_lastExportPath = path;
    return true;
}

bool PictureActions::exportCurves(const QString& path, DataFormat format)
{
    QString failure;
    try {
        failure
            = writeCurvesOf(m_pictureBox.surface(), path, { format, m_player.pitch() }, [](double) {
                  return true;
              }).value_or(QString());
    } catch (const std::exception& thrown) {
        failure = exportFailure(thrown);
    }
    if (failure.isEmpty()) {
        m_lastExportPath = path;
        return true;
    }
    warn((format == DataFormat::Sound ? tr("The sound could not be exported as %1: %2")
                                      : tr("The curve data could not be exported as %1: %2"))
             .arg(shownPath(path), failure));
    return false;
}

bool PictureActions::print(QPrinter& printer, bool caption)
{
    QString failure;
    try {
        // Drawn in shapes, as for a PDF file, to stay sharp on paper.
        ExportPicture picture(ExportFormat::Pdf, printSize, m_pictureBox.surface().font());
        if (!m_window.drawAfresh(picture.surface()))
            return false;
        failure = printPicture(printer, *picture.shapes(),
            caption ? pictureCaption(picture.description()) : QString());
    } catch (const std::exception& thrown) {
        failure = exportFailure(thrown);
    }
    if (failure.isEmpty())
        return true;
    warn(tr("The picture could not be printed: %1").arg(failure));
    return false;
}

void PictureActions::printPreview()
{
    std::optional<ExportPicture> picture;
    try {
        picture.emplace(ExportFormat::Pdf, printSize, m_pictureBox.surface().font());
        if (!m_window.drawAfresh(picture->surface()))
            return;
    } catch (const std::exception& thrown) {
        picture.reset();
        warn(tr("The picture could not be printed: %1").arg(exportFailure(thrown)));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_pictureBox.window()->windowTitle());
    QPrintPreviewDialog dialog(&printer, m_pictureBox.window());
    dialog.setWindowTitle(tr("Print"));
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    // The caption is chosen beside the preview, which shows it come and go.
    auto* caption = new QAction(tr("Caption"), &dialog);
    caption->setCheckable(true);
    caption->setChecked(m_printCaption);
    caption->setToolTip(tr("Print the curves' descriptions beneath the picture"));
    connect(caption, &QAction::toggled, &dialog, [this, preview](bool on) {
        m_printCaption = on;
        if (preview)
            preview->updatePreview();
    });
    // First in the tool bar, so that a narrow preview does not tuck it away.
    if (auto* tools = dialog.findChild<QToolBar*>()) {
        QAction* first = tools->actions().value(0);
        tools->insertAction(first, caption);
        tools->insertSeparator(first);
    }
    const QString lines = pictureCaption(picture->description());
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        // Nothing may be thrown into the dialog's event loop.
        QString failure;
        try {
            failure = printPicture(*target, *picture->shapes(), m_printCaption ? lines : QString());
        } catch (const std::exception& thrown) {
            failure = exportFailure(thrown);
        }
        if (!failure.isEmpty())
            warn(tr("The picture could not be printed: %1").arg(failure));
    });
    dialog.exec();
}

QString writePng(const QImage& image, const QString& path)
{
    return writeFileSafely(path, [&image](QIODevice& device) -> QString {
        QImageWriter writer(&device, "png");
        return writer.write(image) ? QString() : writer.errorString();
    });
}

} // namespace fourier
