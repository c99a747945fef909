// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <string>
#include <vector>

namespace fourier::testing {

/// Answers the window's modal dialogs while a test drives it: every message box is read and
/// closed with OK, every progress dialog is cancelled (or left running, if the test says so).
class ModalDismisser {
public:
    explicit ModalDismisser(bool cancelProgress = true)
        : m_cancelProgress(cancelProgress)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start(1);
    }

    std::vector<std::string> messages;
    /// How each message box reads its text: as plain text, or as rich text when it looks like it.
    std::vector<Qt::TextFormat> messageFormats;
    /// How each message box presents itself to assistive technology.
    std::vector<QAccessible::Role> messageRoles;
    int progressDialogsSeen = 0;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages.push_back(box->text().toStdString());
            messageFormats.push_back(box->textFormat());
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
            messageRoles.push_back(face ? face->role() : QAccessible::NoRole);
            box->button(QMessageBox::Ok)->click();
        } else if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
            if (progress->property("fourierSeen").isNull()) {
                progress->setProperty("fourierSeen", true);
                ++progressDialogsSeen;
            }
            if (m_cancelProgress)
                progress->cancel();
        }
    }

    QTimer m_timer;
    bool m_cancelProgress;
};

} // namespace fourier::testing
