#include "pages/skills/CPage2.h"

#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <algorithm>

#include "controls/CEditColor.h"
#include "controls/CEditKeyResponse.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CNumEdit.h"
#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "markup/CEditCtrlFormat.h"
#include "markup/QtCodePage.h"
#include "pages/skills/AutoTrainRules.h"
#include "pages/skills/CDlgRespec.h"
#include "pages/skills/CEditAutoTrain.h"
#include "pages/skills/CSkillListDelegate.h"
#include "pages/skills/RespecRules.h"

namespace {

using namespace skills_rules;

constexpr int kSkillListId = 1500;
constexpr int kDetailListId = 1501;
constexpr int kFixedColumnWidth = 100;
constexpr int kAutoTrainInset = 2;
// Typed special points stay within what a plan can sensibly hold.
constexpr int kSpecialPointsLimit = 99999;

QColor ToQColor(MarkupColor colour)
{
    return QColor(MarkupRed(colour), MarkupGreen(colour), MarkupBlue(colour));
}

QString FromData(const std::string& bytes)
{
    return Windows1252ToQString(bytes);
}

CEditColor* MakePointsField(QWidget* parent, const QString& name)
{
    auto* field = new CEditColor(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setFocusPolicy(Qt::ClickFocus);  // results only: Tab goes from control to control
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 16);
    field->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return field;
}

}  // namespace

CPage2::CPage2(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CAPage(context, document, parent)
{
    setWindowTitle(Context().Text(ui_text::kSkillsPageTitle));
    BuildLayout();
    FullRefresh();
    RecordTemplateSize();
}

void CPage2::BuildLayout()
{
    m_list = new CListCtrlMoreNotifies(this);
    m_list->setObjectName(QStringLiteral("skillList"));
    m_list->setControlId(kSkillListId);
    m_list->setColumnCount(kColumnCount);
    m_list->setHeaderLabels(
        {Context().Text(ui_text::kSkillsColumnName), Context().Text(ui_text::kSkillsColumnLevel),
         Context().Text(ui_text::kSkillsColumnSkill), Context().Text(ui_text::kSkillsColumnAutoTrain)});
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_delegate = new CSkillListDelegate(m_list);
    {
        // Rows as high as a level control wants to be, so that its field is not cut.
        CNumEdit probe;
        m_delegate->setRowHeight(probe.sizeHint().height());
    }
    m_list->setItemDelegate(m_delegate);
    m_list->viewport()->installEventFilter(this);

    connect(m_list, &CListCtrlMoreNotifies::scrolled, this, [this] { PlaceRowControls(); });
    connect(m_list, &CListCtrlMoreNotifies::itemHovered, this,
            [this](int, int row, int, QPoint position) { OnListHovered(row, position.x()); });
    connect(m_list, &CListCtrlMoreNotifies::columnTrackBegin, this, [this] { SetRowControlsVisible(false); });
    connect(m_list, &CListCtrlMoreNotifies::columnTrackEnd, this, [this] { SetRowControlsVisible(true); });
    connect(m_list->header(), &QHeaderView::sectionResized, this, [this] {
        if (m_list->trackedColumn() < 0)
            PlaceRowControls();
    });

    m_detail = new CListCtrlMoreNotifies(this);
    m_detail->setObjectName(QStringLiteral("detailList"));
    m_detail->setControlId(kDetailListId);
    m_detail->setColumnCount(2);
    m_detail->setHeaderLabels(
        {Context().Text(ui_text::kSkillsDetailName), Context().Text(ui_text::kSkillsDetailValue)});
    m_detail->setSelectionMode(QAbstractItemView::SingleSelection);
    m_detail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_detail->setFocusPolicy(Qt::ClickFocus);
    m_detail->header()->setStretchLastSection(true);
    m_detail->setColumnWidth(0,
                             m_detail->fontMetrics().horizontalAdvance(QStringLiteral("Fatigue Cost")) + 16);

    m_description = new CEditCtrlFormat(this);
    m_description->setObjectName(QStringLiteral("description"));

    m_used = MakePointsField(this, QStringLiteral("usedPoints"));
    m_earned = MakePointsField(this, QStringLiteral("skillPoints"));
    m_rest = MakePointsField(this, QStringLiteral("restPoints"));
    m_special = new QLineEdit(this);
    m_special->setObjectName(QStringLiteral("specialPoints"));
    m_special->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_special->setMinimumWidth(m_used->minimumWidth());
    m_special->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(m_special, &QLineEdit::textEdited, this, &CPage2::OnSpecialPointsEdited);
    // Whatever was left half typed or unreadable ("", "-", "x") shows the stored number again.
    connect(m_special, &QLineEdit::editingFinished, this,
            [this] { m_special->setText(QString::number(GetDocument().GetExtraSpecPoints())); });

    m_respecButton = new QPushButton(Context().Text(ui_text::kSkillsRespec), this);
    m_respecButton->setObjectName(QStringLiteral("respec"));
    connect(m_respecButton, &QPushButton::clicked, this, &CPage2::Respec);

    auto* points = new QFormLayout;
    points->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    points->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto addField = [this, points](int textId, QWidget* field) {
        auto* label = new QLabel(Context().Text(textId), this);
        label->setBuddy(field);
        points->addRow(label, field);
    };
    addField(ui_text::kSkillsUsed, m_used);
    addField(ui_text::kSkillsSkillPoints, m_earned);
    addField(ui_text::kSkillsRestPoints, m_rest);
    addField(ui_text::kSkillsSpecialPoints, m_special);

    auto* side = new QVBoxLayout;
    side->addLayout(points);
    side->addSpacing(8);
    side->addWidget(m_respecButton, 0, Qt::AlignLeft);
    side->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(side);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_description, 1);
    bottom->addWidget(m_detail, 1);
    const int detailHeight = m_detail->fontMetrics().height() * 9;
    m_description->setMinimumHeight(detailHeight);
    m_detail->setMinimumHeight(detailHeight);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top, 3);
    page->addLayout(bottom, 1);
}

QTreeWidgetItem* CPage2::Item(int row) const
{
    return m_list->topLevelItem(row);
}

float CPage2::Level() const
{
    return GetDocument().GetLevel();
}

CNumEdit* CPage2::LevelControl(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_controls.size()))
        return nullptr;
    return m_controls[static_cast<std::size_t>(row)].level;
}

CEditAutoTrain* CPage2::AutoTrainControl(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_controls.size()))
        return nullptr;
    return m_controls[static_cast<std::size_t>(row)].autoTrain;
}

// Notifications ------------------------------------------------------------------

void CPage2::OnClassChanged()
{
    FullRefresh();
}

void CPage2::OnLevelChanged()
{
    // The level moves base groups, the poison line's reach and, in career mode,
    // the slot whose plan the controls show.
    if (GetDocument().IsCareerMode())
        CareerColouring();
    else
        RefreshGroupRows();
    RefreshPoints();
}

void CPage2::OnRealmRankChanged()
{
    RefreshGroupRows();
}

void CPage2::OnSkillPlanChanged()
{
    CareerColouring();
    RefreshPoints();
}

// Refreshing ---------------------------------------------------------------------

void CPage2::FullRefresh()
{
    ForgetHover();
    m_special->setText(QString::number(GetDocument().GetExtraSpecPoints()));
    GetDocument().ActivateSelection();
    m_rows = BuildRows(Context().database);
    FillList();
    RefreshPoints();
}

void CPage2::FillList()
{
    CQuillmarDoc& document = GetDocument();
    CGameDatabase& database = Context().database;
    m_list->setUpdatesEnabled(false);
    DestroyRowControls();
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const SkillRow& row : m_rows) {
        auto* item = new QTreeWidgetItem;
        item->setText(kNameColumn, FromData(NameText(row)));
        item->setText(kLevelColumn, FromData(LevelText(row)));
        if (row.IsGroup())
            item->setText(kSkillColumn, FromData(SkillText(database, row, LevelThatCounts(row, document))));
        item->setData(kNameColumn, CSkillListDelegate::kDataRole, RowDataValue(row, document));
        item->setData(kNameColumn, CSkillListDelegate::kKindRole, static_cast<int>(row.kind));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_list->resizeColumnToContents(kNameColumn);
    m_list->resizeColumnToContents(kLevelColumn);
    m_list->setColumnWidth(kSkillColumn, kFixedColumnWidth);
    m_list->setColumnWidth(kAutoTrainColumn, kFixedColumnWidth);
    CreateRowControls();
    m_list->setUpdatesEnabled(true);

    int columns = 0;
    for (int column = 0; column < kColumnCount; ++column)
        columns += m_list->columnWidth(column);
    m_list->setMinimumWidth(columns + 2 * m_list->frameWidth() +
                            m_list->verticalScrollBar()->sizeHint().width());
}

void CPage2::CreateRowControls()
{
    CQuillmarDoc& document = GetDocument();
    const bool career = document.IsCareerMode() != 0;
    m_controls.assign(m_rows.size(), {});
    QWidget* previous = m_list;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const SkillRow& row = m_rows[i];
        if (row.kind != RowKind::Line)
            continue;
        const int index = static_cast<int>(i);
        RowControls& controls = m_controls[i];

        controls.level = new CNumEdit(m_list->viewport());
        controls.level->setObjectName(QStringLiteral("level%1").arg(index));
        controls.level->setControlId(kLevelControlId + index);
        controls.level->setAccessibleName(FromData(row.text));
        ShowLevel(controls.level, document.GetSpecLevel(row.lineName));
        if (career && document.HasPlanEntry(row.lineName))
            controls.level->setBackgroundColor(ToQColor(kPlanEntryBackground));
        controls.level->editField()->installEventFilter(this);
        connect(controls.level, &CNumEdit::valueChanged, this,
                [this](int id, int value) { OnLevelControlChanged(id - kLevelControlId, value); });
        setTabOrder(previous, controls.level);
        previous = controls.level;

        if (row.autoTrain) {
            controls.autoTrain = new CEditAutoTrain(m_list->viewport(), kAutoTrainControlId + index);
            controls.autoTrain->setObjectName(QStringLiteral("autoTrain%1").arg(index));
            controls.autoTrain->setShellContext(&Context());
            controls.autoTrain->setRange(0, kAutoTrainSteps);
            controls.autoTrain->setMask(static_cast<std::uint32_t>(document.GetAutoTrain(row.lineName)));
            connect(
                controls.autoTrain, &CEditAutoTrain::maskChanged, this,
                [this](int id, std::uint32_t mask) { OnAutoTrainChanged(id - kAutoTrainControlId, mask); });
            setTabOrder(previous, controls.autoTrain);
            previous = controls.autoTrain;
        }
    }
    setTabOrder(previous, m_special);
    setTabOrder(m_special, m_respecButton);
    PlaceRowControls();
    SetRowControlsVisible(true);
}

CPage2::~CPage2()
{
    // The children outlive this part of the page: a field that loses the
    // focus while they go must not call back into it.
    disconnect(m_special, nullptr, this, nullptr);
    m_list->viewport()->removeEventFilter(this);
    DestroyRowControls();
}

void CPage2::DestroyRowControls()
{
    // Take the table out first: a control that goes sends events (focus out)
    // through this page's filter, which must not find controls already deleted.
    std::vector<RowControls> controls;
    controls.swap(m_controls);
    for (RowControls& row : controls) {
        if (row.level)
            row.level->editField()->removeEventFilter(this);
        delete row.level;
        delete row.autoTrain;
    }
}

void CPage2::PlaceRowControls()
{
    if (m_controlsHidden)
        return;
    const QHeaderView* header = m_list->header();
    const int skillLeft = header->sectionViewportPosition(kSkillColumn);
    const int skillWidth = header->sectionSize(kSkillColumn);
    const int autoLeft = header->sectionViewportPosition(kAutoTrainColumn) + kAutoTrainInset;
    const int autoWidth = std::max(0, header->sectionSize(kAutoTrainColumn) - 2 * kAutoTrainInset);
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const RowControls& controls = m_controls[i];
        if (!controls.level)
            continue;
        const QRect row = m_list->visualItemRect(Item(static_cast<int>(i)));
        controls.level->setGeometry(skillLeft, row.top(), skillWidth, row.height());
        if (controls.autoTrain)
            controls.autoTrain->setGeometry(autoLeft, row.top(), autoWidth, row.height());
    }
}

void CPage2::SetRowControlsVisible(bool visible)
{
    m_controlsHidden = !visible;
    if (visible)
        PlaceRowControls();
    for (const RowControls& controls : m_controls) {
        if (controls.level)
            controls.level->setVisible(visible);
        if (controls.autoTrain)
            controls.autoTrain->setVisible(visible);
    }
}

void CPage2::RefreshGroupRows(const std::string* lineName)
{
    CQuillmarDoc& document = GetDocument();
    CGameDatabase& database = Context().database;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const SkillRow& row = m_rows[i];
        if (!row.IsGroup() || (lineName && row.lineName != *lineName))
            continue;
        QTreeWidgetItem* item = Item(static_cast<int>(i));
        const int kept = item->data(kNameColumn, CSkillListDelegate::kDataRole).toInt();
        const RowData bytes = GroupRowData(row, document, UnpackRowData(kept).hovered);
        const int value = PackRowData(bytes);
        if (value != kept)
            item->setData(kNameColumn, CSkillListDelegate::kDataRole, value);
        if (row.spellLine) {
            const QString skill = FromData(SkillText(database, row, bytes.counts));
            if (skill != item->text(kSkillColumn))
                item->setText(kSkillColumn, skill);
        }
    }
}

void CPage2::CareerColouring()
{
    CQuillmarDoc& document = GetDocument();
    const bool career = document.IsCareerMode() != 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        CNumEdit* control = m_controls[i].level;
        if (!control)
            continue;
        const std::string& line = m_rows[i].lineName;
        ShowLevel(control, document.GetSpecLevel(line));
        if (career && document.HasPlanEntry(line))
            control->setBackgroundColor(ToQColor(kPlanEntryBackground));
        else
            control->resetColors();
    }
    RefreshGroupRows();
}

void CPage2::RefreshPoints()
{
    CQuillmarDoc& document = GetDocument();
    const SkillPoints points = Points(document);
    m_used->setText(FromData(PointsText(points.used)));
    m_earned->setText(FromData(PointsText(points.earned)));
    m_rest->setText(FromData(PointsText(points.rest)));
    if (points.rest < 0)
        m_rest->setTextColor(ToQColor(kNegativeRestText));
    else
        m_rest->resetColors();

    const bool career = document.IsCareerMode() != 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        CNumEdit* control = m_controls[i].level;
        if (!control)
            continue;
        const SkillRow& row = m_rows[i];
        const auto mask = static_cast<std::uint32_t>(document.GetAutoTrain(row.lineName));
        control->setRange(LevelMinimum(career, row.autoTrain, Level(), mask),
                          LevelMaximum(control->value(), Level(), points.rest));
    }
}

// Shows a level the document holds even when it lies outside the control's
// current limits (a lowered character level, a loaded file); the next points
// refresh sets the limits again.
void CPage2::ShowLevel(CNumEdit* control, int value)
{
    control->setRange(std::min(control->minimum(), value), std::max(control->maximum(), value));
    control->setValue(value);
}

// User actions -------------------------------------------------------------------

void CPage2::OnLevelControlChanged(int row, int value)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    CQuillmarDoc& document = GetDocument();
    const std::string line = m_rows[static_cast<std::size_t>(row)].lineName;
    document.SetSpecLevel(line, value);
    RefreshGroupRows(&line);
    if (document.IsCareerMode())
        CareerColouring();
    RefreshPoints();
}

void CPage2::OnAutoTrainChanged(int row, std::uint32_t mask)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    CQuillmarDoc& document = GetDocument();
    const std::string& line = m_rows[static_cast<std::size_t>(row)].lineName;
    document.SetAutoTrain(line, static_cast<std::int32_t>(mask));
    const int minimum = std::max(1, AutoTrainMinimum(static_cast<int>(Level()), mask));
    CNumEdit* control = LevelControl(row);
    if (control && document.GetSpecLevel(line) < minimum) {
        ShowLevel(control, minimum);
        OnLevelControlChanged(row, minimum);
        return;
    }
    // In career mode the mask moves the computed levels of this slot.
    if (document.IsCareerMode())
        CareerColouring();
    RefreshPoints();
}

void CPage2::OnSpecialPointsEdited(const QString& text)
{
    bool ok = false;
    const int points = text.trimmed().toInt(&ok);
    if (!ok || points < -kSpecialPointsLimit || points > kSpecialPointsLimit ||
        points == GetDocument().GetExtraSpecPoints())
        return;
    GetDocument().SetExtraSpecPoints(points);
    if (GetDocument().IsCareerMode())
        CareerColouring();
    RefreshPoints();
}

void CPage2::Respec()
{
    CQuillmarDoc& document = GetDocument();
    const std::vector<std::string> lines = RespecLines(document);
    const int level = static_cast<int>(document.GetLevel());
    std::optional<std::string> chosen;
    if (m_respecChooser) {
        chosen = m_respecChooser(lines, level);
    } else {
        CDlgRespec dialog(Context(), lines, level, this);
        if (dialog.exec() == QDialog::Accepted)
            chosen = dialog.chosenLine();
    }
    if (!chosen)
        return;
    ApplyRespec(document, *chosen);
    CareerColouring();
    RefreshPoints();
}

void CPage2::OnListHovered(int row, int x)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    const SkillRow& skillRow = m_rows[static_cast<std::size_t>(row)];
    if (!skillRow.IsGroup())
        return;
    CGameDatabase& database = Context().database;
    const QFontMetrics metrics = m_list->fontMetrics();
    const int offset =
        CSkillListDelegate::TextOffset(m_list->header()->sectionViewportPosition(kLevelColumn), x);
    const int entry = EntryAt(SplitEntries(LevelText(skillRow)), offset, [&metrics](std::string_view word) {
        return metrics.horizontalAdvance(
            QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    });
    if (row == m_hoveredRow && entry == m_hoveredEntry)
        return;

    const auto setHovered = [this](int r, int hovered) {
        QTreeWidgetItem* item = Item(r);
        RowData bytes = UnpackRowData(item->data(kNameColumn, CSkillListDelegate::kDataRole).toInt());
        if (bytes.hovered == hovered)
            return;
        bytes.hovered = hovered;
        item->setData(kNameColumn, CSkillListDelegate::kDataRole, PackRowData(bytes));
    };
    if (row != m_hoveredRow) {
        // Only one entry is green: the previous row gives its up.
        if (m_hoveredRow >= 0 && m_hoveredRow < static_cast<int>(m_rows.size()))
            setHovered(m_hoveredRow, 0);
        // Select without making it current: that would scroll a half-shown row into view.
        m_list->selectionModel()->select(m_list->model()->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_description->setMarkup(GroupDescription(database, skillRow));
        m_hoveredRow = row;
    }
    m_hoveredEntry = entry;
    setHovered(row, entry + 1);

    m_detail->clear();
    const DetailRows detail = EntryDetail(database, skillRow, entry);
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < detail.labels.size() && i < detail.values.size(); ++i)
        items.append(
            new QTreeWidgetItem(QStringList{FromData(detail.labels[i]), FromData(detail.values[i])}));
    m_detail->addTopLevelItems(items);
}

void CPage2::ForgetHover()
{
    m_hoveredRow = -1;
    m_hoveredEntry = -1;
    m_detail->clear();
    m_description->setMarkup({});
}

bool CPage2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::Resize)
            PlaceRowControls();
        return CAPage::eventFilter(watched, event);
    }
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        CNumEdit* control = m_controls[i].level;
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
            m_list->scrollToItem(Item(static_cast<int>(i)));
        }
        break;
    }
    return CAPage::eventFilter(watched, event);
}
