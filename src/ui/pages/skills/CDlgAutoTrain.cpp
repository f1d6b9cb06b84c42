#include "pages/skills/CDlgAutoTrain.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "markup/QtCodePage.h"
#include "controls/OkCancelButtons.h"
#include "shell/CShellContext.h"

namespace {

QLabel* CentredLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

CDlgAutoTrain::CDlgAutoTrain(CShellContext& context, std::uint32_t mask, int characterLevel, QWidget* parent)
    : QDialog(parent), m_context(context), m_openedWith(mask), m_mask(mask), m_level(characterLevel)
{
    setWindowTitle(context.Text(ui_text::kAutoTrainTitle));
    setModal(true);

    auto* explanation = new QLabel(context.Text(ui_text::kAutoTrainExplanation), this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);

    auto* table = new QGridLayout;
    table->setHorizontalSpacing(10);
    table->addWidget(new QLabel(context.Text(ui_text::kAutoTrainSkillLabel), this), 0, 0);
    table->addWidget(new QLabel(context.Text(ui_text::kAutoTrainLevelLabel), this), 1, 0);
    for (int skill = 1; skill <= kAutoTrainSkills; ++skill) {
        table->addWidget(CentredLabel(QString::number(skill), this), 0, skill);
        table->addWidget(CentredLabel(Windows1252ToQString(AutoTrainStepLevels(skill)), this), 1, skill);
        if (skill == 1) {
            // Every line has skill 1: nothing to choose.
            QLabel* mark = CentredLabel(QStringLiteral("x"), this);
            mark->setObjectName(QStringLiteral("skill1Mark"));
            table->addWidget(mark, 2, skill);
            continue;
        }
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("box%1").arg(skill));
        box->setAccessibleName(context.Text(ui_text::kAutoTrainStepBoxName).arg(skill));
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this,
                [this, skill](bool checked) { onBoxClicked(skill, checked); });
        m_boxes[static_cast<std::size_t>(skill - 2)] = box;
        table->addWidget(box, 2, skill, Qt::AlignCenter);
    }

    auto* shiftHint = new QLabel(context.Text(ui_text::kAutoTrainShiftHint), this);
    shiftHint->setObjectName(QStringLiteral("shiftHint"));

    auto* shortLabel = new QLabel(context.Text(ui_text::kAutoTrainShortLabel), this);
    m_shortText = new QLineEdit(this);
    m_shortText->setObjectName(QStringLiteral("shortText"));
    shortLabel->setBuddy(m_shortText);
    m_shortText->installEventFilter(this);
    auto* shortRow = new QHBoxLayout;
    shortRow->addWidget(shortLabel);
    shortRow->addWidget(m_shortText, 1);

    auto* descriptionLabel = new QLabel(context.Text(ui_text::kAutoTrainDescriptionLabel), this);
    m_description = new QListWidget(this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setSelectionMode(QAbstractItemView::NoSelection);
    m_description->setFocusPolicy(Qt::NoFocus);
    descriptionLabel->setBuddy(m_description);
    m_description->setMinimumHeight(m_description->fontMetrics().height() * 7);

    const OkCancelButtons okCancel = MakeOkCancelButtons(*this, context);
    QDialogButtonBox* buttons = okCancel.box;
    m_ok = okCancel.ok;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(6);
    layout->addLayout(table);
    layout->addWidget(shiftHint);
    layout->addSpacing(6);
    layout->addLayout(shortRow);
    layout->addWidget(descriptionLabel);
    layout->addWidget(m_description, 1);
    layout->addWidget(buttons);

    // The boxes take their first state from the short text, as they do whenever it is written.
    connect(m_shortText, &QLineEdit::textChanged, this, &CDlgAutoTrain::onShortTextChanged);
    m_shortText->setText(Windows1252ToQString(AutoTrainSummary(m_mask)));
    // Steps beyond the level are gone now: the field shows what the boxes hold.
    const QString held = Windows1252ToQString(AutoTrainSummary(m_mask));
    if (m_shortText->text() != held)
        m_shortText->setText(held);
    refreshDescription();
    for (int skill = 2; skill <= kAutoTrainSkills; ++skill)
        stepBox(skill)->setEnabled(m_level >= 4 * skill);

    // The explanation wraps to the width of the table, not to a narrow default.
    explanation->setMinimumWidth(table->sizeHint().width());
}

QCheckBox* CDlgAutoTrain::stepBox(int skill) const
{
    if (skill < 2 || skill > kAutoTrainSkills)
        return nullptr;
    return m_boxes[static_cast<std::size_t>(skill - 2)];
}

void CDlgAutoTrain::onBoxClicked(int skill, bool checked)
{
    if ((m_boxModifiers | QGuiApplication::keyboardModifiers()) & Qt::ShiftModifier) {
        for (int lower = 2; lower < skill; ++lower)
            stepBox(lower)->setChecked(checked);
    }
    m_boxModifiers = Qt::NoModifier;
    takeBoxes();
}

void CDlgAutoTrain::onShortTextChanged(const QString& text)
{
    m_mask = ParseAutoTrainText(QStringToWindows1252(text), m_level);
    for (int skill = 2; skill <= kAutoTrainSkills; ++skill)
        stepBox(skill)->setChecked(((m_mask >> (skill - 1)) & 1u) != 0);
}

void CDlgAutoTrain::takeBoxes()
{
    std::uint32_t steps = 0;
    for (int skill = 2; skill <= kAutoTrainSkills; ++skill) {
        if (stepBox(skill)->isChecked())
            steps |= 1u << (skill - 1);
    }
    m_mask = AutoTrainMaskFromSteps(steps);
    refreshDescription();
    const QString summary = Windows1252ToQString(AutoTrainSummary(m_mask));
    // Rewriting the same text would only move the cursor.
    if (m_shortText->text() != summary)
        m_shortText->setText(summary);
}

void CDlgAutoTrain::refreshDescription()
{
    m_description->clear();
    for (const std::string& line : AutoTrainDescription(m_mask))
        m_description->addItem(Windows1252ToQString(line));
}

void CDlgAutoTrain::accept()
{
    // Return in the short-text field gets here without the field losing the focus.
    takeBoxes();
    QDialog::accept();
}

void CDlgAutoTrain::reject()
{
    m_mask = m_openedWith;
    QDialog::reject();
}

bool CDlgAutoTrain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_shortText) {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            takeBoxes();
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        m_boxModifiers = static_cast<QMouseEvent*>(event)->modifiers();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        m_boxModifiers = static_cast<QKeyEvent*>(event)->modifiers();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
