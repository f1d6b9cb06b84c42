#include "pages/skills/CDlgRespec.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "markup/QtCodePage.h"
#include "controls/OkCancelButtons.h"
#include "pages/skills/RespecRules.h"
#include "shell/CShellContext.h"

CDlgRespec::CDlgRespec(CShellContext& context, const std::vector<std::string>& lineNames, int characterLevel,
                       QWidget* parent)
    : QDialog(parent), m_lineNames(lineNames)
{
    setWindowTitle(context.Text(ui_text::kRespecTitle));
    setModal(true);

    m_full = new QRadioButton(context.Text(ui_text::kRespecFull), this);
    m_full->setObjectName(QStringLiteral("fullRespec"));
    m_line = new QRadioButton(context.Text(ui_text::kRespecLine), this);
    m_line->setObjectName(QStringLiteral("lineRespec"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_full, 0);
    group->addButton(m_line, 1);
    auto* fullNote = new QLabel(context.Text(ui_text::kRespecFullNote), this);
    fullNote->setObjectName(QStringLiteral("fullNote"));
    fullNote->setBuddy(m_full);
    auto* lineNote = new QLabel(context.Text(ui_text::kRespecLineNote), this);
    lineNote->setObjectName(QStringLiteral("lineNote"));
    lineNote->setBuddy(m_line);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lines"));
    m_list->setAccessibleName(context.Text(ui_text::kRespecLineListName));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& name : m_lineNames)
        m_list->addItem(Windows1252ToQString(name));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 8);

    m_warning = new QLabel(context.Text(ui_text::kRespecWarning), this);
    m_warning->setObjectName(QStringLiteral("warning"));
    QPalette warningPalette = m_warning->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(192, 0, 0));
    m_warning->setPalette(warningPalette);
    m_warning->setVisible(RespecNeedsStone(static_cast<float>(characterLevel)));

    auto* resetsToOne = new QLabel(context.Text(ui_text::kRespecResetsToOne), this);
    resetsToOne->setObjectName(QStringLiteral("explanation1"));
    resetsToOne->setWordWrap(true);
    auto* refill = new QLabel(context.Text(ui_text::kRespecAutoTrainRefill), this);
    refill->setObjectName(QStringLiteral("explanation2"));
    refill->setWordWrap(true);

    const OkCancelButtons okCancel = MakeOkCancelButtons(*this, context);
    QDialogButtonBox* buttons = okCancel.box;
    m_ok = okCancel.ok;

    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(12);
    choices->addWidget(m_full, 0, 0);
    choices->addWidget(fullNote, 0, 1);
    choices->addWidget(m_line, 1, 0);
    choices->addWidget(lineNote, 1, 1);
    choices->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_warning);
    layout->addSpacing(6);
    layout->addWidget(resetsToOne);
    layout->addWidget(refill);
    layout->addWidget(buttons);

    m_line->setChecked(true);
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool) { updateState(); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CDlgRespec::updateState);
    updateState();
    m_list->setFocus(Qt::OtherFocusReason);
}

void CDlgRespec::updateState()
{
    const bool lineRespec = m_line->isChecked();
    m_list->setEnabled(lineRespec);
    m_ok->setEnabled(!lineRespec || !m_list->selectedItems().isEmpty());
}

void CDlgRespec::accept()
{
    m_chosenLine.clear();
    if (m_line->isChecked()) {
        const QList<QListWidgetItem*> selected = m_list->selectedItems();
        if (selected.isEmpty())
            return;  // a line respec names its line
        // The caller's bytes, not the list's text converted back.
        m_chosenLine = m_lineNames[static_cast<std::size_t>(m_list->row(selected.front()))];
    }
    QDialog::accept();
}
