#include "pages/skills/CPage2.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
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
#include "pages/skills/CSkillRowControls.h"
#include "pages/skills/RespecRules.h"

namespace {

using namespace skills_rules;

constexpr int kSkillListId = 1500;
constexpr int kDetailListId = 1501;
constexpr int kFixedColumnWidth = 100;
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
    connect(m_list, &CListCtrlMoreNotifies::itemHovered, this,
            [this](int, int row, int, QPoint position) { OnListHovered(row, position.x()); });

    m_controls = std::make_unique<CSkillRowControls>(*m_list, Context());
    connect(m_controls.get(), &CSkillRowControls::levelChanged, this, &CPage2::OnLevelControlChanged);
    connect(m_controls.get(), &CSkillRowControls::autoTrainChanged, this, &CPage2::OnAutoTrainChanged);

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

int CPage2::RowDataOf(int row) const
{
    return Item(row)->data(kLevelColumn, CSkillListDelegate::kDataRole).toInt();
}

void CPage2::SetRowData(int row, int value)
{
    Item(row)->setData(kLevelColumn, CSkillListDelegate::kDataRole, value);
}

CNumEdit* CPage2::LevelControl(int row) const
{
    return m_controls->Level(row);
}

CEditAutoTrain* CPage2::AutoTrainControl(int row) const
{
    return m_controls->AutoTrain(row);
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
    m_controls->Destroy();
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const SkillRow& row : m_rows) {
        auto* item = new QTreeWidgetItem;
        item->setText(kNameColumn, FromData(NameText(row)));
        item->setText(kLevelColumn, FromData(LevelText(row)));
        if (row.IsGroup())
            item->setText(kSkillColumn, FromData(SkillText(database, row, LevelThatCounts(row, document))));
        item->setData(kLevelColumn, CSkillListDelegate::kDataRole, RowDataValue(row, document));
        item->setData(kNameColumn, CSkillListDelegate::kKindRole, static_cast<int>(row.kind));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_list->resizeColumnToContents(kNameColumn);
    m_list->resizeColumnToContents(kLevelColumn);
    m_list->setColumnWidth(kSkillColumn, kFixedColumnWidth);
    m_list->setColumnWidth(kAutoTrainColumn, kFixedColumnWidth);
    QWidget* last = m_controls->Create(m_rows, m_list);
    setTabOrder(last, m_special);
    setTabOrder(m_special, m_respecButton);
    const bool career = document.IsCareerMode() != 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const std::string& line = m_rows[i].lineName;
        if (CNumEdit* level = LevelControl(row)) {
            CSkillRowControls::ShowLevel(*level, document.GetSpecLevel(line));
            if (career && document.HasPlanEntry(line))
                level->setBackgroundColor(ToQColor(kPlanEntryBackground));
        }
        if (CEditAutoTrain* autoTrain = AutoTrainControl(row))
            autoTrain->setMask(static_cast<std::uint32_t>(document.GetAutoTrain(line)));
    }
    m_list->setUpdatesEnabled(true);

    int columns = 0;
    for (int column = 0; column < kColumnCount; ++column)
        columns += m_list->columnWidth(column);
    m_list->setMinimumWidth(columns + 2 * m_list->frameWidth() +
                            m_list->verticalScrollBar()->sizeHint().width());
}

CPage2::~CPage2()
{
    // The children outlive this part of the page: a field that loses the
    // focus while they go must not call back into it, and the row controls
    // go while the list they lie on is still there.
    disconnect(m_special, nullptr, this, nullptr);
    m_controls.reset();
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
        const int kept = RowDataOf(static_cast<int>(i));
        const RowData bytes = GroupRowData(row, document, UnpackRowData(kept).hovered);
        const int value = PackRowData(bytes);
        if (value != kept)
            SetRowData(static_cast<int>(i), value);
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
        CNumEdit* control = LevelControl(static_cast<int>(i));
        if (!control)
            continue;
        const std::string& line = m_rows[i].lineName;
        CSkillRowControls::ShowLevel(*control, document.GetSpecLevel(line));
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
        CNumEdit* control = LevelControl(static_cast<int>(i));
        if (!control)
            continue;
        const SkillRow& row = m_rows[i];
        const auto mask = static_cast<std::uint32_t>(document.GetAutoTrain(row.lineName));
        control->setRange(LevelMinimum(career, row.autoTrain, Level(), mask),
                          LevelMaximum(control->value(), Level(), points.rest));
    }
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
        CSkillRowControls::ShowLevel(*control, minimum);
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
        RowData bytes = UnpackRowData(RowDataOf(r));
        if (bytes.hovered == hovered)
            return;
        bytes.hovered = hovered;
        SetRowData(r, PackRowData(bytes));
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
