#include "pages/skills/CEditAutoTrain.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

#include "markup/QtCodePage.h"
#include "pages/skills/AutoTrainRules.h"
#include "pages/skills/CDlgAutoTrain.h"
#include "shell/CAPage.h"

namespace {

// Typed text is read as at a level that clears no step: the field's range is the limit.
constexpr int kTypingLevel = 48;
constexpr int kWheelNotch = 120;

}  // namespace

CEditAutoTrain::CEditAutoTrain(QWidget* parent, int id) : QWidget(parent), m_id(id)
{
    m_edit = new QLineEdit(this);
    m_button = new QToolButton(this);
    m_button->setText(QStringLiteral("..."));
    // The keyboard opens the dialog with F4, so Tab goes from field to field.
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_button->setFixedWidth(m_button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 8);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);

    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    connect(m_button, &QToolButton::clicked, this, &CEditAutoTrain::openDialog);

    showMask();
    applyTexts();
}

void CEditAutoTrain::setShellContext(CShellContext* context)
{
    m_context = context;
    applyTexts();
}

CShellContext* CEditAutoTrain::shellContext() const
{
    if (m_context)
        return m_context;
    for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget()) {
        if (auto* page = qobject_cast<CAPage*>(widget))
            return &page->Context();
    }
    return nullptr;
}

void CEditAutoTrain::applyTexts()
{
    CShellContext* context = shellContext();
    m_button->setEnabled(context != nullptr);
    if (!context)
        return;
    m_edit->setAccessibleName(context->Text(ui_text::kAutoTrainFieldName));
    m_button->setAccessibleName(context->Text(ui_text::kAutoTrainTitle));
    m_button->setToolTip(context->Text(ui_text::kAutoTrainButtonTip));
}

void CEditAutoTrain::setRange(int minimum, int maximum)
{
    m_minimum = std::clamp(minimum, 0, kAutoTrainSkills);
    m_maximum = std::clamp(maximum, 0, kAutoTrainSkills);
    m_mask = AutoTrainFieldValue(m_mask, m_maximum);
    if (!m_edited)
        showMask();
}

void CEditAutoTrain::setMask(std::uint32_t mask)
{
    m_mask = AutoTrainFieldValue(mask, m_maximum);
    m_edited = false;
    showMask();
}

void CEditAutoTrain::showMask()
{
    m_edit->setText(Windows1252ToQString(AutoTrainSummary(m_mask)));
}

void CEditAutoTrain::change(std::uint32_t mask)
{
    const bool changed = mask != m_mask;
    m_mask = mask;
    showMask();
    if (changed)
        emit maskChanged(m_id, m_mask);
}

void CEditAutoTrain::takeTypedText()
{
    if (!m_edited)
        return;
    m_edited = false;
    const std::uint32_t typed = ParseAutoTrainText(QStringToWindows1252(m_edit->text()), kTypingLevel);
    change(AutoTrainFieldValue(typed, m_maximum));
}

void CEditAutoTrain::stepBy(int delta)
{
    takeTypedText();
    std::uint32_t mask = m_mask;
    // One spin at a time: each passes the one-step gap on its own.
    const int count = std::min(std::abs(delta), kAutoTrainSkills + 1);
    for (int i = 0; i < count; ++i)
        mask = AutoTrainFieldStep(mask, delta > 0 ? 1 : -1, m_minimum, m_maximum);
    change(mask);
}

void CEditAutoTrain::openDialog()
{
    takeTypedText();
    CShellContext* context = shellContext();
    if (!context)
        return;
    // On the heap and owned by the field: should the page rebuild its rows while
    // the dialog runs, the field and its dialog go together and exec() returns.
    QPointer<CDlgAutoTrain> dialog = new CDlgAutoTrain(*context, m_mask, 4 * m_maximum, this);
    const int result = dialog->exec();
    if (!dialog)
        return;
    const std::uint32_t chosen = dialog->mask();
    delete dialog;
    if (result == QDialog::Accepted)
        change(AutoTrainFieldValue(chosen, m_maximum));
    m_edit->setFocus(Qt::OtherFocusReason);
}

bool CEditAutoTrain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool alt = key->modifiers() & Qt::AltModifier;
        switch (key->key()) {
        case Qt::Key_F4:
            openDialog();
            return true;
        case Qt::Key_Down:
            if (alt)
                openDialog();
            else
                stepBy(-1);
            return true;
        case Qt::Key_Up:
            stepBy(+1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            takeTypedText();
            return false;  // a dialog around the field still sees its default key
        case Qt::Key_Escape:
            if (!m_edited)
                return false;
            m_edited = false;
            showMask();
            return true;
        default:
            break;
        }
    }
    // The edit is what the pointer is over; a line edit does nothing with the wheel.
    if (watched == m_edit && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == m_edit && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        takeTypedText();
    return QWidget::eventFilter(watched, event);
}

void CEditAutoTrain::wheelEvent(QWheelEvent* event)
{
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / kWheelNotch;
    m_wheelRemainder -= notches * kWheelNotch;
    if (notches != 0)
        stepBy(notches);
    event->accept();
}

void CEditAutoTrain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        applyTexts();
    QWidget::changeEvent(event);
}

QSize CEditAutoTrain::sizeHint() const
{
    return {100, m_edit->sizeHint().height()};
}

QSize CEditAutoTrain::minimumSizeHint() const
{
    return {m_button->width() + 24, m_edit->minimumSizeHint().height()};
}
