#include "pages/skills/CSkillRowControls.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidgetItem>

#include <algorithm>

#include "controls/CEditKeyResponse.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CNumEdit.h"
#include "markup/QtCodePage.h"
#include "pages/skills/CEditAutoTrain.h"

namespace {

using namespace skills_rules;

constexpr int kAutoTrainInset = 2;

}  // namespace

CSkillRowControls::CSkillRowControls(CListCtrlMoreNotifies& list, CShellContext& context)
    : m_list(list), m_context(context)
{
    m_list.viewport()->installEventFilter(this);
    connect(&m_list, &CListCtrlMoreNotifies::scrolled, this, [this] { Place(); });
    connect(&m_list, &CListCtrlMoreNotifies::columnTrackBegin, this, [this] { SetVisible(false); });
    connect(&m_list, &CListCtrlMoreNotifies::columnTrackEnd, this, [this] { SetVisible(true); });
    connect(m_list.header(), &QHeaderView::sectionResized, this, [this] {
        if (m_list.trackedColumn() < 0)
            Place();
    });
}

CSkillRowControls::~CSkillRowControls()
{
    m_list.viewport()->removeEventFilter(this);
    Destroy();
}

QWidget* CSkillRowControls::Create(const std::vector<SkillRow>& rows, QWidget* previous)
{
    Destroy();
    m_rows.assign(rows.size(), {});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SkillRow& row = rows[i];
        if (row.kind != RowKind::Line)
            continue;
        const int index = static_cast<int>(i);
        Row& controls = m_rows[i];

        controls.level = new CNumEdit(m_list.viewport());
        controls.level->setObjectName(QStringLiteral("level%1").arg(index));
        controls.level->setControlId(kLevelControlId + index);
        controls.level->setAccessibleName(Windows1252ToQString(row.text));
        controls.level->editField()->installEventFilter(this);
        connect(controls.level, &CNumEdit::valueChanged, this,
                [this](int id, int value) { emit levelChanged(id - kLevelControlId, value); });
        QWidget::setTabOrder(previous, controls.level);
        previous = controls.level;

        if (row.autoTrain) {
            controls.autoTrain = new CEditAutoTrain(m_list.viewport(), kAutoTrainControlId + index);
            controls.autoTrain->setObjectName(QStringLiteral("autoTrain%1").arg(index));
            controls.autoTrain->setShellContext(&m_context);
            controls.autoTrain->setRange(0, kAutoTrainSteps);
            connect(controls.autoTrain, &CEditAutoTrain::maskChanged, this,
                    [this](int id, std::uint32_t mask) {
                        emit autoTrainChanged(id - kAutoTrainControlId, mask);
                    });
            QWidget::setTabOrder(previous, controls.autoTrain);
            previous = controls.autoTrain;
        }
    }
    SetVisible(true);
    return previous;
}

void CSkillRowControls::Destroy()
{
    // Take the table out and cut every tie first: a control that goes sends
    // events (focus out) and may finish typed text, which must reach neither
    // this filter with controls already deleted nor the page with a stale row.
    std::vector<Row> rows;
    rows.swap(m_rows);
    for (Row& row : rows) {
        if (row.level) {
            row.level->editField()->removeEventFilter(this);
            disconnect(row.level, nullptr, this, nullptr);
        }
        if (row.autoTrain)
            disconnect(row.autoTrain, nullptr, this, nullptr);
        delete row.level;
        delete row.autoTrain;
    }
}

CNumEdit* CSkillRowControls::Level(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)].level;
}

CEditAutoTrain* CSkillRowControls::AutoTrain(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)].autoTrain;
}

void CSkillRowControls::ShowLevel(CNumEdit& control, int value)
{
    control.setRange(std::min(control.minimum(), value), std::max(control.maximum(), value));
    control.setValue(value);
}

void CSkillRowControls::Place()
{
    if (m_hidden)
        return;
    const QHeaderView* header = m_list.header();
    const int skillLeft = header->sectionViewportPosition(kSkillColumn);
    const int skillWidth = header->sectionSize(kSkillColumn);
    const int autoLeft = header->sectionViewportPosition(kAutoTrainColumn) + kAutoTrainInset;
    const int autoWidth = std::max(0, header->sectionSize(kAutoTrainColumn) - 2 * kAutoTrainInset);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& controls = m_rows[i];
        if (!controls.level)
            continue;
        const QRect row = m_list.visualItemRect(m_list.topLevelItem(static_cast<int>(i)));
        controls.level->setGeometry(skillLeft, row.top(), skillWidth, row.height());
        if (controls.autoTrain)
            controls.autoTrain->setGeometry(autoLeft, row.top(), autoWidth, row.height());
    }
}

void CSkillRowControls::SetVisible(bool visible)
{
    m_hidden = !visible;
    Place();
    for (const Row& controls : m_rows) {
        if (controls.level)
            controls.level->setVisible(visible);
        if (controls.autoTrain)
            controls.autoTrain->setVisible(visible);
    }
}

bool CSkillRowControls::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list.viewport()) {
        if (event->type() == QEvent::Resize)
            Place();
        return QObject::eventFilter(watched, event);
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        CNumEdit* control = m_rows[i].level;
        if (!control || watched != control->editField())
            continue;
        if (event->type() == QEvent::KeyPress) {
            // In this column the arrows step the line; Tab moves between lines.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                control->step(key == Qt::Key_Up ? +1 : -1);
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            m_list.scrollToItem(m_list.topLevelItem(static_cast<int>(i)));
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}
