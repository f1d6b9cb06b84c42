#include "pages/realmabilities/CRealmAbilityPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CToggleButton.h"
#include "document/CQuillmarDoc.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"

using ra_rules::AbilityRow;

namespace {

QLineEdit* ReadOnlyField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

}  // namespace

// Marked prerequisites in yellow on red, the separator as a line, and the
// new-rules group headers on grey with their costs in the level slices.
class CRealmAbilityPage::RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(const std::vector<AbilityRow>& rows, int levelColumn, QObject* parent)
        : QStyledItemDelegate(parent), m_rows(rows), m_levelColumn(levelColumn)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const std::size_t at = static_cast<std::size_t>(index.row());
        if (index.row() < 0 || at >= m_rows.size())
            return QStyledItemDelegate::paint(painter, option, index);
        const AbilityRow& row = m_rows[at];
        const QRect& cell = option.rect;
        if (row.kind == ra_rules::kSeparator) {
            painter->save();
            painter->setPen(option.palette.color(QPalette::Text));
            const int middle = (cell.top() + cell.bottom()) / 2;
            painter->drawLine(cell.left(), middle, cell.right(), middle);
            painter->restore();
            return;
        }
        const bool marked = row.mark == ra_rules::kPrerequisiteMark;
        const bool header = row.kind >= ra_rules::kNfHeader;
        if (!marked && !header)
            return QStyledItemDelegate::paint(painter, option, index);

        const QColor background = QtMarkupSurface::ToQColor(marked ? ra_rules::kMarkBackground
                                                                   : ra_rules::kNfHeaderBackground);
        const QColor text = marked ? QtMarkupSurface::ToQColor(ra_rules::kMarkText) : QColor(Qt::black);
        if (header && index.column() == m_levelColumn) {
            painter->save();
            painter->fillRect(cell, background);
            painter->setPen(text);
            const int slices = ra_rules::SliceCount(row);
            for (int slice = 0; slice < slices; ++slice) {
                const QRect part(cell.left() + cell.width() * slice / slices, cell.top(), cell.width() / slices,
                                 cell.height());
                painter->drawText(part, Qt::AlignCenter,
                                  Windows1252ToQString(row.captions[static_cast<std::size_t>(slice)]));
            }
            painter->restore();
            return;
        }
        // The style draws the cell as usual, in these colours whether selected or not.
        QStyleOptionViewItem look(option);
        initStyleOption(&look, index);
        look.state &= ~QStyle::State_Selected;
        look.backgroundBrush = background;
        look.palette.setColor(QPalette::Text, text);
        const QWidget* widget = option.widget;
        (widget ? widget->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &look, painter, widget);
    }

private:
    const std::vector<AbilityRow>& m_rows;
    int m_levelColumn;
};

CRealmAbilityPage::CRealmAbilityPage(CShellContext& context, CQuillmarDoc& document, ra_rules::Rules rules,
                                     const Columns& columns, QWidget* parent)
    : CAPage(context, document, parent), m_rules(rules), m_levelColumn(columns.levelColumn)
{
    m_list = new CListCtrlMoreNotifies(this);
    m_list->setObjectName(QStringLiteral("abilityList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList titles;
    for (const std::string& title : columns.titles)
        titles << Windows1252ToQString(title);
    m_list->setHeaderLabels(titles);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(m_levelColumn, QHeaderView::Fixed);
    m_list->header()->resizeSection(m_levelColumn, columns.levelWidth);
    m_delegate = new RowDelegate(m_rows, m_levelColumn, m_list);
    m_list->setItemDelegate(m_delegate);
    m_list->installEventFilter(this);
    // A resized list shows other rows: their buttons come into sight.
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &CListCtrlMoreNotifies::itemHovered, this, [this](int, int row, int column) {
        if (column == 0)
            Describe(row);
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { Describe(item ? m_list->indexOfTopLevelItem(item) : -1); });
    connect(m_list, &CListCtrlMoreNotifies::scrolled, this, &CRealmAbilityPage::PlaceButtons);
    connect(m_list, &CListCtrlMoreNotifies::columnTrackBegin, this, [this] { SetButtonsVisible(false); });
    connect(m_list, &CListCtrlMoreNotifies::columnTrackEnd, this, [this] { SetButtonsVisible(true); });
    connect(m_list->header(), &QHeaderView::sectionResized, this, &CRealmAbilityPage::PlaceButtons);

    m_freePoints = ReadOnlyField(this, "freePoints");
    m_usedPoints = ReadOnlyField(this, "usedPoints");
    m_ignorePoints = new QCheckBox(QStringLiteral("Punkte nicht prüfen"), this);
    m_ignorePoints->setObjectName(QStringLiteral("ignorePoints"));
    m_ignorePoints->setChecked(ra_rules::PointsIgnored(GetDocument()));
    connect(m_ignorePoints, &QCheckBox::clicked, this, &CRealmAbilityPage::OnIgnorePointsClicked);
    m_needed = new QGroupBox(QStringLiteral("Benötigt"), this);
    m_needed->setObjectName(QStringLiteral("needed"));
    m_neededRank = ReadOnlyField(m_needed, "neededRank");
    m_neededPoints = ReadOnlyField(m_needed, "neededPoints");
    auto* needed = new QFormLayout(m_needed);
    needed->addRow(QStringLiteral("RR:"), m_neededRank);
    needed->addRow(QStringLiteral("RPs:"), m_neededPoints);
    m_needed->setVisible(m_ignorePoints->isChecked());
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setReadOnly(true);

    auto* points = new QFormLayout;
    points->addRow(QStringLiteral("Freie Pkt."), m_freePoints);
    points->addRow(QStringLiteral("Genutzt"), m_usedPoints);
    auto* side = new QVBoxLayout;
    side->addLayout(points);
    side->addWidget(m_ignorePoints);
    side->addWidget(m_needed);
    side->addWidget(m_description, 1);
    auto* page = new QHBoxLayout(this);
    page->addWidget(m_list, 3);
    page->addLayout(side, 1);
}

CRealmAbilityPage::~CRealmAbilityPage() = default;

void CRealmAbilityPage::OnClassChanged()
{
    FullRefresh();
}

void CRealmAbilityPage::OnLevelChanged()
{
    UpdatePoints();
}

void CRealmAbilityPage::OnRealmRankChanged()
{
    UpdatePoints();
}

CToggleButton* CRealmAbilityPage::LevelButton(int row, int level) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_buttons.size() || level < 1 || level > ra_rules::kLevelCount)
        return nullptr;
    return m_buttons[static_cast<std::size_t>(row)][static_cast<std::size_t>(level - 1)];
}

void CRealmAbilityPage::ClickLevel(int row, int level)
{
    if (row >= 0)
        ra_rules::Click(m_rows, static_cast<std::size_t>(row), level, GetDocument(), m_rules, m_points);
    // Also after a refused click: the button flipped itself and goes back.
    ShowPointsAndStates();
}

void CRealmAbilityPage::FullRefresh()
{
    m_description->clear();
    m_describedRow = -1;
    Rebuild();
    UpdatePoints();
}

void CRealmAbilityPage::Rebuild()
{
    DestroyButtons();
    m_rows = BuildRows();
    m_list->setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        QList<QTreeWidgetItem*> items;
        for (const AbilityRow& row : m_rows)
            items << new QTreeWidgetItem(Cells(row));
        m_list->addTopLevelItems(items);
    }
    for (int column = 0; column < m_list->columnCount(); ++column)
        if (column != m_levelColumn)
            m_list->resizeColumnToContents(column);
    m_list->setUpdatesEnabled(true);
    CreateButtons();
}

void CRealmAbilityPage::CreateButtons()
{
    m_buttons.assign(m_rows.size(), {});
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].IsHeader())
            continue;
        for (int level = 1; level <= ra_rules::kLevelCount; ++level) {
            if (!m_rows[row].HasButton(level))
                continue;
            auto* button = new CToggleButton(Windows1252ToQString(m_rows[row].captions[static_cast<std::size_t>(level - 1)]),
                                             m_list->viewport());
            button->setFont(m_list->font());
            button->setFocusPolicy(Qt::NoFocus);
            button->setControlId(kFirstButtonId + ra_rules::kLevelCount * static_cast<int>(row) + level - 1);
            button->setPressed(level <= m_rows[row].level);
            connect(button, &CToggleButton::command, this, [this, row, level] {
                ClickLevel(static_cast<int>(row), level);
            });
            m_buttons[row][static_cast<std::size_t>(level - 1)] = button;
        }
    }
    PlaceButtons();
    SetButtonsVisible(!m_buttonsHidden);
}

void CRealmAbilityPage::DestroyButtons()
{
    for (auto& row : m_buttons)
        for (CToggleButton*& button : row) {
            delete button;
            button = nullptr;
        }
    m_buttons.clear();
}

void CRealmAbilityPage::PlaceButtons()
{
    if (m_buttonsHidden)
        return;
    const QHeaderView* header = m_list->header();
    const int left = header->sectionViewportPosition(m_levelColumn);
    const int width = header->sectionSize(m_levelColumn);
    const QRect visible = m_list->viewport()->rect();
    for (std::size_t row = 0; row < m_buttons.size(); ++row) {
        const QRect cell = m_list->visualItemRect(m_list->topLevelItem(static_cast<int>(row)));
        const int slice = width / ra_rules::SliceCount(m_rows[row]);
        const bool shown = cell.isValid() && cell.intersects(visible);
        for (std::size_t level = 0; level < m_buttons[row].size(); ++level) {
            CToggleButton* button = m_buttons[row][level];
            if (!button)
                continue;
            button->setGeometry(left + slice * static_cast<int>(level), cell.top(), slice, cell.height());
            button->setVisible(shown);
        }
    }
}

void CRealmAbilityPage::SetButtonsVisible(bool visible)
{
    m_buttonsHidden = !visible;
    for (const auto& row : m_buttons)
        for (CToggleButton* button : row)
            if (button)
                button->setVisible(false);
    PlaceButtons();
}

void CRealmAbilityPage::UpdatePoints()
{
    m_points = ra_rules::UpdatePoints(m_rows, GetDocument());
    ra_rules::UpdateMarks(m_rows);
    ShowPointsAndStates();
}

void CRealmAbilityPage::ShowPointsAndStates()
{
    m_freePoints->setText(QString::number(m_points.free));
    m_usedPoints->setText(QString::number(m_points.used));
    m_neededRank->setText(QString::fromStdString(m_points.needed.realmRank));
    m_neededPoints->setText(QString::fromStdString(m_points.needed.realmPoints));
    for (std::size_t row = 0; row < m_buttons.size(); ++row)
        for (std::size_t level = 0; level < m_buttons[row].size(); ++level)
            if (CToggleButton* button = m_buttons[row][level]) {
                button->setPressed(static_cast<int>(level) < m_rows[row].level);
                button->setAvailable(m_rows[row].available[level]);
            }
    m_list->viewport()->update();
}

void CRealmAbilityPage::Describe(int row)
{
    if (row == m_describedRow || row < 0 || static_cast<std::size_t>(row) >= m_rows.size() ||
        m_rows[static_cast<std::size_t>(row)].IsHeader())
        return;
    m_describedRow = row;
    m_description->setPlainText(Windows1252ToQString(m_rows[static_cast<std::size_t>(row)].description));
}

void CRealmAbilityPage::OnIgnorePointsClicked(bool checked)
{
    GetDocument().SetOption(doc_option::CheckRAPoints, checked ? 1 : 0);
    m_needed->setVisible(checked);
}

bool CRealmAbilityPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::Resize)
        PlaceButtons();
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
        if (row >= 0 && key->key() >= Qt::Key_1 && key->key() <= Qt::Key_5) {
            ClickLevel(row, key->key() - Qt::Key_0);
            return true;
        }
        if (row >= 0 && (key->key() == Qt::Key_0 || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace)) {
            ClickLevel(row, m_rows[static_cast<std::size_t>(row)].level);
            return true;
        }
    }
    return CAPage::eventFilter(watched, event);
}
