// SPDX-License-Identifier: MIT
#include "exportsizedialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace fourier {

ExportSizeDialog::ExportSizeDialog(ExportSize initial, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Export Picture"));
    m_byFactor = new QRadioButton(tr("&Times the plot area:"), this);
    m_factor = new QSpinBox(this);
    m_factor->setRange(ExportSize::smallestFactor, ExportSize::largestFactor);
    //: After the number of times the plot area's size, as in "3 ×".
    m_factor->setSuffix(tr(" \u00d7"));
    m_byWidth = new QRadioButton(tr("&Width in pixels:"), this);
    m_width = new QSpinBox(this);
    m_width->setRange(ExportSize::smallestWidth, ExportSize::largestWidth);
    m_width->setSingleStep(10);
    m_pixels = new QLabel(this);

    const std::optional<int> factor = initial.wholeFactor();
    m_factor->setValue(factor.value_or(ExportSize::smallestFactor));
    m_width->setValue(initial.width());
    (factor ? m_byFactor : m_byWidth)->setChecked(true);
    m_factor->setAccessibleName(m_byFactor->text().remove(u'&'));
    m_width->setAccessibleName(m_byWidth->text().remove(u'&'));

    auto* choices = new QGridLayout;
    choices->addWidget(m_byFactor, 0, 0);
    choices->addWidget(m_factor, 0, 1);
    choices->addWidget(m_byWidth, 1, 0);
    choices->addWidget(m_width, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_pixels);
    layout->addWidget(buttons);

    for (QRadioButton* choice : { m_byFactor, m_byWidth })
        connect(choice, &QRadioButton::toggled, this, &ExportSizeDialog::showSize);
    // The number is what is typed: the focus starts in it, and follows the way chosen.
    connect(m_byFactor, &QRadioButton::clicked, m_factor, [this] { m_factor->setFocus(); });
    connect(m_byWidth, &QRadioButton::clicked, m_width, [this] { m_width->setFocus(); });
    for (QSpinBox* box : { m_factor, m_width })
        connect(box, &QSpinBox::valueChanged, this, &ExportSizeDialog::showSize);
    showSize();
    (factor ? m_factor : m_width)->setFocus();
}

ExportSize ExportSizeDialog::size() const
{
    const std::optional<ExportSize> chosen = m_byFactor->isChecked()
        ? ExportSize::times(m_factor->value())
        : ExportSize::ofWidth(m_width->value());
    return chosen.value_or(ExportSize());
}

void ExportSizeDialog::showSize()
{
    m_factor->setEnabled(m_byFactor->isChecked());
    m_width->setEnabled(m_byWidth->isChecked());
    const ExportSize chosen = size();
    //: The size of the exported picture, as in "1119 × 975 pixels".
    m_pixels->setText(tr("%1 \u00d7 %2 pixels").arg(chosen.width()).arg(chosen.height()));
}

} // namespace fourier
