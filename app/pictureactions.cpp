// SPDX-License-Identifier: MIT
#include "pictureactions.h"

#include "picturebox.h"
#include "safewrite.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>
#include <QStandardPaths>

namespace fourier {

PictureActions::PictureActions(PictureBox& pictureBox)
    : QObject(&pictureBox)
    , m_pictureBox(pictureBox)
{
    auto* copy = new QAction(tr("Copy Picture"), this);
    connect(copy, &QAction::triggered, this, &PictureActions::copyPicture);
    auto* save = new QAction(tr("Save Picture As\u2026"), this);
    connect(save, &QAction::triggered, this, &PictureActions::savePictureAs);
    m_pictureBox.addAction(copy);
    m_pictureBox.addAction(save);
    m_pictureBox.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PictureActions::copyPicture() const
{
    QGuiApplication::clipboard()->setImage(m_pictureBox.surface().image());
}

void PictureActions::savePictureAs()
{
    QFileDialog dialog(&m_pictureBox, tr("Save Picture As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("PNG image (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    dialog.setDirectory(QDir(pictures).exists() ? pictures : QDir::homePath());
    dialog.selectFile(QStringLiteral("fourier-analysis.png"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        savePicture(dialog.selectedFiles().constFirst());
}

bool PictureActions::savePicture(const QString& path)
{
    const QString failure = writePng(m_pictureBox.surface().image(), path);
    if (failure.isEmpty())
        return true;
    // Plain text: a file may be called <b>x</b>.png, and must be named as it was typed.
    QMessageBox box(QMessageBox::Warning, m_pictureBox.window()->windowTitle(),
        tr("The picture could not be saved as %1: %2").arg(QDir::toNativeSeparators(path), failure),
        QMessageBox::Ok, &m_pictureBox);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return false;
}

QString writePng(const QImage& image, const QString& path)
{
    return writeFileSafely(path, [&image](QIODevice& device) -> QString {
        QImageWriter writer(&device, "png");
        return writer.write(image) ? QString() : writer.errorString();
    });
}

} // namespace fourier
