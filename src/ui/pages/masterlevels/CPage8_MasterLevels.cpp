#include "pages/masterlevels/CPage8_MasterLevels.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QSlider>
#include <QStyledItemDelegate>

#include "controls/CButtonSelect.h"
#include "controls/CEditColor.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/ReferenceList.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CEditCtrlFormat.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"
#include "pages/masterlevels/TimerPictures.h"
#include "shell/UiText.h"

namespace {

using namespace masterlevels_rules;

constexpr int kIconSize = 14;
// Home/End and the arrows move by one level, Page Up/Down by two.
constexpr int kSliderPageStep = 2;

// The "Timer" column shows the picture of the cell's number instead of the
// number, at the column's left edge and the row's top.
class TimerCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const int picture = TimerPicture(cell.text.toStdString());
        cell.text.clear();
        const QWidget* widget = cell.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        PaintTimerPicture(*painter, QRectF(cell.rect.left(), cell.rect.top(), kIconSize, kIconSize), picture);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), kIconSize + 2));
        return size;
    }
};

CEditColor* AddField(QWidget* page, const char* name, const QString& accessibleName)
{
    auto* field = new CEditColor(page);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

}  // namespace

CPage8_MasterLevels::CPage8_MasterLevels(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CAPage(context, document, parent)
{
    setWindowTitle(Context().Text(ui_text::kMasterLevelsPageTitle));

    m_trackButton = new CButtonSelect(this);
    m_trackButton->setObjectName(QStringLiteral("trackButton"));
    m_trackButton->setAccessibleDescription(Context().Text(ui_text::kMasterLevelsTrackButton));
    connect(m_trackButton, &QAbstractButton::clicked, this, &CPage8_MasterLevels::OnTrackClicked);

    m_trackNames[0] = AddField(this, "firstTrackName", Context().Text(ui_text::kMasterLevelsFirstTrack));
    m_trackNames[1] = AddField(this, "secondTrackName", Context().Text(ui_text::kMasterLevelsSecondTrack));
    m_levelField = AddField(this, "masterLevel", Context().Text(ui_text::kMasterLevelsLevel));
    m_levelField->setAlignment(Qt::AlignCenter);
    m_levelField->setFixedWidth(m_levelField->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);

    const int lists[kTrackCount] = {ui_text::kMasterLevelsFirstList, ui_text::kMasterLevelsSecondList};
    const char* listNames[kTrackCount] = {"firstTrackList", "secondTrackList"};
    for (int track = 0; track < kTrackCount; ++track) {
        auto* list = new CListCtrlMoreNotifies(this);
        m_lists[static_cast<std::size_t>(track)] = list;
        SetUpReferenceList(list, QLatin1String(listNames[track]), ColumnTitles(track));
        list->setAccessibleName(Context().Text(lists[track]));
        list->setControlId(track);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setItemDelegateForColumn(kTimerColumn, new TimerCellDelegate(list));
        // The first column takes what the 40 pixels of the timer leave.
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
        header->setSectionResizeMode(kTimerColumn, QHeaderView::Fixed);
        header->resizeSection(kTimerColumn, kTimerColumnWidth);
        connect(list, &CListCtrlMoreNotifies::itemHovered, this,
                [this, track](int, int row) { OnRowHovered(track, row); });
        connect(list, &QTreeWidget::currentItemChanged, this,
                [this, track](QTreeWidgetItem* current) { OnCurrentRowChanged(track, current); });
        list->installEventFilter(this);
    }

    // Level 0 at the top; the keys move the handle the way they point.
    m_slider = new QSlider(Qt::Vertical, this);
    m_slider->setObjectName(QStringLiteral("masterLevelSlider"));
    m_slider->setAccessibleName(Context().Text(ui_text::kMasterLevelsLevel));
    m_slider->setRange(kLowestLevel, kHighestLevel);
    m_slider->setInvertedAppearance(true);
    m_slider->setInvertedControls(true);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(kSliderPageStep);
    m_slider->setTickPosition(QSlider::TicksBothSides);
    m_slider->setTickInterval(1);
    connect(m_slider, &QSlider::valueChanged, this, &CPage8_MasterLevels::OnSliderMoved);
    connect(m_slider, &QSlider::sliderReleased, this, [this] { OnSliderMoved(m_slider->value()); });

    m_description = new CEditCtrlFormat(this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setAccessibleName(Context().Text(ui_text::kMasterLevelsDescription));
    // A level's name, its four detail lines, two rules and two lines of text.
    m_description->setMinimumHeight(m_description->fontMetrics().height() * 9 + 2 * m_description->frameWidth());

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_trackButton, 0, 0, 1, 3);
    grid->addWidget(m_trackNames[0], 1, 0);
    grid->addWidget(m_levelField, 1, 1, Qt::AlignHCenter);
    grid->addWidget(m_trackNames[1], 1, 2);
    grid->addWidget(m_lists[0], 2, 0);
    grid->addWidget(m_slider, 2, 1, Qt::AlignHCenter);
    grid->addWidget(m_lists[1], 2, 2);
    grid->addWidget(m_description, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    setTabOrder(m_trackButton, m_lists[0]);
    setTabOrder(m_lists[0], m_slider);
    setTabOrder(m_slider, m_lists[1]);

    m_tooltip = new CRichTooltip(this);
    m_tooltip->setInitialDelay(Context().settings.Get(setting::TOOLTIP_DELAY));
    if (Context().settings.Get(setting::UI_TOOLTIPS) != 0)
        m_tooltip->addTool(m_trackButton, std::string(kTrackButtonTooltip));
    m_tooltip->watch(this);

    Refresh();
    RecordTemplateSize();
}

void CPage8_MasterLevels::OnClassChanged()
{
    Refresh();
}

void CPage8_MasterLevels::Refresh()
{
    m_model = BuildModel(Context().database, GetDocument());
    for (int track = 0; track < kTrackCount; ++track) {
        const auto index = static_cast<std::size_t>(track);
        m_trackNames[index]->setText(Windows1252ToQString(m_model.tracks[index]));
        m_trackNames[index]->setCursorPosition(0);
        QList<QTreeWidgetItem*> items;
        for (const LevelRow& row : m_model.lists[index])
            items << new QTreeWidgetItem(
                QStringList{Windows1252ToQString(row.name), QString::fromStdString(TimerText(row.timer))});
        CListCtrlMoreNotifies* list = m_lists[index];
        {
            const QSignalBlocker blocker(list);
            list->clear();
            list->addTopLevelItems(items);
        }
        // Room for all ten levels without scrolling.
        const int rowHeight = list->topLevelItemCount() > 0 ? list->sizeHintForRow(0) : kIconSize + 2;
        list->setMinimumHeight(list->header()->sizeHint().height() + kHighestLevel * rowHeight +
                               2 * list->frameWidth());
    }
    // The rows are new: none of them has been described yet.
    m_described = DescribedRows();
    Update();
}

void CPage8_MasterLevels::Update()
{
    CQuillmarDoc& doc = GetDocument();
    Choose(m_model, Context().database, ChosenTrack(doc), doc.GetMasterLevel());
    m_trackButton->setText(Windows1252ToQString(m_model.tracks[static_cast<std::size_t>(m_model.chosen)]));
    {
        const QSignalBlocker blocker(m_trackButton);
        m_trackButton->setState(m_model.chosen == 1);
    }
    m_levelField->setText(QString::number(m_model.level));
    {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(m_model.level);
    }
    const QColor marked = QtMarkupSurface::ToQColor(kMarkedBackground);
    for (int track = 0; track < kTrackCount; ++track) {
        const auto index = static_cast<std::size_t>(track);
        CListCtrlMoreNotifies* list = m_lists[index];
        const std::vector<LevelRow>& rows = m_model.lists[index];
        for (int row = 0; row < list->topLevelItemCount() && row < static_cast<int>(rows.size()); ++row) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            const bool on = rows[static_cast<std::size_t>(row)].marked;
            for (int column = 0; column < kColumnCount; ++column) {
                item->setData(column, Qt::BackgroundRole, on ? QVariant(marked) : QVariant());
                item->setData(column, Qt::ForegroundRole, on ? QVariant(QColor(Qt::black)) : QVariant());
            }
        }
    }
    m_description->setMarkup(m_model.description);
}

void CPage8_MasterLevels::OnTrackClicked(bool second)
{
    GetDocument().SetMasterLevelOption(second ? 1 : 0);
    Update();
}

void CPage8_MasterLevels::OnSliderMoved(int level)
{
    if (level == GetDocument().GetMasterLevel())
        return;
    GetDocument().SetMasterLevel(level);
    Update();
}

void CPage8_MasterLevels::OnRowHovered(int track, int row)
{
    if (row >= 0 && m_described.Take(track, row))
        ShowLevel(track, row);
}

// A row made current with the keys or a click is described even when the
// pointer described it before: the box may show something else by now.
void CPage8_MasterLevels::OnCurrentRowChanged(int track, QTreeWidgetItem* current)
{
    if (current == nullptr)
        return;
    const int row = m_lists[static_cast<std::size_t>(track)]->indexOfTopLevelItem(current);
    m_described.Take(track, row);
    ShowLevel(track, row);
}

void CPage8_MasterLevels::ShowLevel(int track, int row)
{
    m_description->setMarkup(
        Description(Context().database, m_model.tracks[static_cast<std::size_t>(track)], row + 1));
}

int CPage8_MasterLevels::TrackOf(const QObject* list) const
{
    for (int track = 0; track < kTrackCount; ++track)
        if (m_lists[static_cast<std::size_t>(track)] == list)
            return track;
    return -1;
}

// Coming back to a list with the keyboard describes its current row again.
bool CPage8_MasterLevels::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        const int track = TrackOf(watched);
        if (track >= 0)
            OnCurrentRowChanged(track, m_lists[static_cast<std::size_t>(track)]->currentItem());
    }
    return CAPage::eventFilter(watched, event);
}
