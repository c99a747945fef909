// SPDX-License-Identifier: MIT
#include "harmonicswindow.h"

#include "amplitudeview.h"
#include "document.h"
#include "partsview.h"
#include "player.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace fourier {

namespace {

/// The curve's numbers, in the order of the window's rows, by the keys CurveFacts gives them.
constexpr const char* numberKeys[] = { "overshoot", "maxError", "rmsError" };
/// Between the main window and this one, in pixels.
constexpr int gapBetweenWindows = 12;
/// How large the window opens where the screen has the room beside the main window, in pixels.
constexpr int openingWidth = 540;
constexpr int openingHeight = 720;
/// The narrowest it opens at beside the main window, where the screen has less room: on a
/// screen 1,024 pixels wide there is this much beside it.
constexpr int narrowestBeside = 380;

/// A label whose text can be read, selected and copied, and is reached with Tab.
QLabel* readableLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

/// A heading for \a buddy, whose letter after & moves the focus to it.
QLabel* headingFor(QWidget* buddy, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setBuddy(buddy);
    return label;
}

/// Sets \a widget's accessible description to \a text, telling assistive technology, which
/// Qt 6.4 does not.
void describe(QWidget& widget, const QString& text)
{
    if (widget.accessibleDescription() == text)
        return;
    widget.setAccessibleDescription(text);
    QAccessibleEvent changed(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace

HarmonicsWindow::HarmonicsWindow(PictureDocument& document, Player& player, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_document(document)
    , m_player(player)
{
    setObjectName(QStringLiteral("Harmonics"));
    setWindowTitle(tr("Harmonics"));
    auto* layout = new QVBoxLayout(this);

    m_heading = readableLabel(this, QStringLiteral("heading"));
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    layout->addWidget(m_heading);
    m_hint = readableLabel(this, QStringLiteral("hint"));
    layout->addWidget(m_hint);

    // Everything about a curve, hidden while there is none.
    m_curveParts = new QWidget(this);
    auto* curveLayout = new QVBoxLayout(m_curveParts);
    curveLayout->setContentsMargins(0, 0, 0, 0);
    m_sum = readableLabel(m_curveParts, QStringLiteral("sum"));
    curveLayout->addWidget(m_sum);
    m_spectrum = new AmplitudeView(m_curveParts);
    m_spectrum->setObjectName(QStringLiteral("spectrum"));
    curveLayout->addWidget(headingFor(m_spectrum, tr("&Spectrum"), m_curveParts));
    curveLayout->addWidget(m_spectrum);
    m_parts = new PartsView(m_curveParts);
    m_parts->setObjectName(QStringLiteral("parts"));
    curveLayout->addWidget(headingFor(m_parts, tr("&Parts over one period"), m_curveParts));
    curveLayout->addWidget(m_parts, 1);
    connect(m_spectrum, &AmplitudeView::chosenChanged, m_parts, &PartsView::setChosen);

    curveLayout->addLayout(makeNumberRows());
    layout->addWidget(m_curveParts, 1);
    // Takes the room the curve's parts leave while there is none, below the hint.
    layout->addStretch(0);

    m_footRow = new QHBoxLayout;
    makeSoundControls();
    m_close = new QPushButton(tr("Close"), this);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    m_footRow->addWidget(m_close);
    layout->addLayout(m_footRow);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    orderTabs();

    m_document.watch([this] {
        if (isVisible())
            follow();
    });
    follow();
}

QGridLayout* HarmonicsWindow::makeNumberRows()
{
    auto* numbers = new QGridLayout;
    numbers->setColumnStretch(1, 1);
    for (std::size_t i = 0; i < m_numbers.size(); ++i) {
        NumberRow& row = m_numbers[i];
        const auto at = static_cast<int>(2 * i);
        row.value = readableLabel(m_curveParts, QString::fromLatin1(numberKeys[i]));
        row.name = headingFor(row.value, {}, m_curveParts);
        row.meaning = new QLabel(m_curveParts);
        row.meaning->setWordWrap(true);
        row.meaning->setTextFormat(Qt::PlainText);
        row.meaning->setForegroundRole(QPalette::PlaceholderText);
        numbers->addWidget(row.name, at, 0, Qt::AlignTop);
        numbers->addWidget(row.value, at, 1);
        numbers->addWidget(row.meaning, at + 1, 1);
    }
    return numbers;
}

void HarmonicsWindow::makeSoundControls()
{
    m_play = new QPushButton(this);
    m_play->setObjectName(QStringLiteral("play"));
    connect(m_play, &QPushButton::clicked, this, [this] {
        if (m_player.isPlaying())
            m_player.stop();
        else
            m_player.play();
    });
    m_footRow->addWidget(m_play);
    m_pitch = new QComboBox(this);
    m_pitch->setObjectName(QStringLiteral("pitch"));
    for (const int hz : playerPitches) {
        m_pitch->addItem(tr("%1 Hz").arg(hz), hz);
        if (hz == m_player.pitch())
            m_pitch->setCurrentIndex(m_pitch->count() - 1);
    }
    m_pitch->setAccessibleName(tr("Pitch"));
    connect(m_pitch, &QComboBox::currentIndexChanged, this,
        [this] { m_player.setPitch(m_pitch->currentData().toInt()); });
    auto* pitchLabel = new QLabel(tr("P&itch:"), this);
    pitchLabel->setBuddy(m_pitch);
    m_footRow->addWidget(pitchLabel);
    m_footRow->addWidget(m_pitch);
    m_heard = new QLabel(this);
    m_heard->setObjectName(QStringLiteral("heard"));
    m_heard->setWordWrap(true);
    m_heard->setTextFormat(Qt::PlainText);
    m_heard->setForegroundRole(QPalette::PlaceholderText);
    m_footRow->addWidget(m_heard, 1);
    connect(m_player.action(), &QAction::changed, this, &HarmonicsWindow::showSound);
    showSound();
}

void HarmonicsWindow::showSound()
{
    m_play->setText(m_player.isPlaying() ? tr("S&top") : tr("P&lay"));
    m_play->setEnabled(m_player.action()->isEnabled());
    const QString heard = m_player.description();
    m_heard->setText(heard);
    // A screen reader on Play hears what it plays.
    describe(*m_play, heard);
}

void HarmonicsWindow::orderTabs()
{
    QWidget* previous = m_heading;
    for (QWidget* next :
        std::initializer_list<QWidget*> { m_hint, m_sum, m_spectrum, m_parts, m_numbers[0].value,
            m_numbers[1].value, m_numbers[2].value, m_play, m_pitch, m_close }) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void HarmonicsWindow::showEvent(QShowEvent* event)
{
    follow();
    QWidget::showEvent(event);
}

void HarmonicsWindow::showBeside(const QWidget& mainWindow)
{
    if (!m_placed) {
        m_placed = true;
        // Sized for a curve, whether or not there is one yet, so that it need not grow when
        // one is drawn.
        m_curveParts->setVisible(true);
        const QSize wanted = sizeHint().expandedTo(QSize(openingWidth, openingHeight));
        const QRect frame = mainWindow.frameGeometry();
        // The window manager frames this window as it framed the main one.
        const QSize decorations = frame.size() - mainWindow.size();
        const QScreen* screen = mainWindow.screen();
        const QRect room
            = screen ? screen->availableGeometry() : QRect(frame.topLeft(), wanted + frame.size());
        const int right = frame.right() + 1 + gapBetweenWindows;
        const int roomRight = room.right() + 1 - right - decorations.width();
        const int roomLeft = frame.left() - gapBetweenWindows - room.left() - decorations.width();
        QSize size = wanted.boundedTo(room.size() - decorations);
        int x = 0;
        if (roomRight >= narrowestBeside) {
            size.setWidth(std::min(size.width(), roomRight));
            x = right;
        } else if (roomLeft >= narrowestBeside) {
            size.setWidth(std::min(size.width(), roomLeft));
            x = frame.left() - gapBetweenWindows - size.width() - decorations.width();
        } else {
            // No room beside it: at the screen's right edge, over as little of it as can be.
            x = std::max(room.left(), room.right() + 1 - size.width() - decorations.width());
        }
        // Narrower, its sentences wrap onto more lines: as tall as they then need.
        if (layout()->hasHeightForWidth()) {
            size.setHeight(
                std::min(std::max(size.height(), layout()->totalHeightForWidth(size.width())),
                    room.height() - decorations.height()));
        }
        resize(size);
        const int y = std::clamp(frame.top(), room.top(),
            std::max(room.top(), room.bottom() + 1 - height() - decorations.height()));
        move(x, y);
    }
    show();
    raise();
    activateWindow();
    // The spectrum is what answers the keys; without a curve there is only Close.
    (m_curveParts->isVisible() ? static_cast<QWidget*>(m_spectrum) : m_close)->setFocus();
}

void HarmonicsWindow::follow()
{
    const std::optional<PictureCurve> newest = newestCurve(m_document.surface());
    std::optional<CurveFacts> facts;
    if (newest)
        facts.emplace(*newest);
    m_spectrum->setCurve(facts);
    m_parts->setCurve(facts);
    m_curveParts->setVisible(facts.has_value());
    m_hint->setVisible(!facts);
    if (!facts) {
        m_heading->setText(tr("No curve on the picture since the last Clear"));
        m_hint->setText(tr("To draw one, type a number of terms and a scale in the main window, "
                           "then click one of its series buttons, Sin x or Cos x."));
        return;
    }
    m_heading->setText(facts->description());
    m_sum->setText(QStringLiteral("%1   (%2)").arg(facts->writtenSum(), facts->termCountText()));
    showNumbers(*facts);
}

void HarmonicsWindow::showNumbers(const CurveFacts& facts)
{
    const std::vector<CurveFacts::Number> lines = facts.numberLines();
    for (std::size_t i = 0; i < m_numbers.size(); ++i) {
        const NumberRow& row = m_numbers[i];
        const auto line
            = std::find_if(lines.begin(), lines.end(), [&](const CurveFacts::Number& number) {
                  return number.key == std::string_view(numberKeys[i]);
              });
        const bool shown = line != lines.end();
        for (QLabel* label : { row.name, row.value, row.meaning })
            label->setVisible(shown);
        if (!shown)
            continue;
        row.name->setText(line->name + u':');
        row.value->setText(line->value);
        row.meaning->setText(line->meaning);
        // A screen reader on the value hears what it is, then what it means.
        row.value->setAccessibleName(line->name + QStringLiteral(": ") + line->value);
        describe(*row.value, line->meaning);
    }
}

} // namespace fourier
