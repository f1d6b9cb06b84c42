#include "pages/stats/CPage1.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <string>

#include "controls/CEditColor.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "pages/stats/StatsRules.h"

namespace {

constexpr int kAbilityListId = 1450;
constexpr int kNameColumn = 2;

const char* const kBaseTip = "Character-stats based on selected race.<br>Inclusive your spended points.";
const char* const kAtLevelTip = "Character-stats at selected LEVEL.<br>Depending on your choosen class.";
const char* const kItemCapTip = "Character-stats at selected LEVEL incl. possible item cap.";

QColor ToQColor(MarkupColor colour)
{
    return QColor(MarkupRed(colour), MarkupGreen(colour), MarkupBlue(colour));
}

QString Number(std::int32_t value)
{
    return QString::asprintf("%i", value);
}

CEditColor* MakeValueField(QWidget* parent, const QString& name)
{
    auto* field = new CEditColor(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    // Results only: Tab goes from stepper to stepper, a click still allows copying.
    field->setFocusPolicy(Qt::ClickFocus);
    const QFontMetrics metrics(field->font());
    field->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("FEHLER")) + 16);
    field->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return field;
}

void ShowCell(CEditColor* field, const stats_rules::CellLook& look)
{
    field->setText(Number(look.value));
    field->resetColors();
    if (look.text)
        field->setTextColor(ToQColor(*look.text));
    if (look.background)
        field->setBackgroundColor(ToQColor(*look.background));
}

}  // namespace

CPage1::CPage1(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CAPage(context, document, parent)
{
    setWindowTitle(Context().Text(ui_text::kStatsPageTitle));
    BuildLayout();
    SetupTooltips();
    FullRefresh();
    RecordTemplateSize();
}

void CPage1::BuildLayout()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    auto* spentHeader = new QLabel(Context().Text(ui_text::kStatsSpent), this);
    spentHeader->setAlignment(Qt::AlignCenter);
    grid->addWidget(spentHeader, 0, 1);
    const int headerIds[4] = {ui_text::kStatsBase, ui_text::kStatsAtLevel, 0,
                              ui_text::kStatsWithRealmAbilities};
    const char* headerNames[4] = {"baseHeader", "atLevelHeader", "capHeader", "withRealmAbilitiesHeader"};
    for (int column = 0; column < 4; ++column) {
        auto* header = new QLabel(headerIds[column] ? Context().Text(headerIds[column]) : QString(), this);
        header->setObjectName(QString::fromLatin1(headerNames[column]));
        header->setAlignment(Qt::AlignCenter);
        m_columnHeaders[static_cast<std::size_t>(column)] = header;
        grid->addWidget(header, 0, 2 + column);
    }

    const char* cellNames[4] = {"base", "atLevel", "itemCap", "withRealmAbilities"};
    for (int stat = 0; stat < kStatCount; ++stat) {
        StatControls& controls = m_stats[static_cast<std::size_t>(stat)];
        const int row = 1 + stat;
        controls.label = new QLabel(Context().Text(ui_text::kStatsStrength + stat), this);
        controls.label->setObjectName(QStringLiteral("statLabel%1").arg(stat));
        grid->addWidget(controls.label, row, 0);

        controls.stepper = new QSpinBox(this);
        controls.stepper->setObjectName(QStringLiteral("stepper%1").arg(stat));
        controls.stepper->setRange(0, stats_rules::kMaxSpent);
        controls.stepper->setAlignment(Qt::AlignRight);
        // A typed number counts when it is confirmed, as that many steps.
        controls.stepper->setKeyboardTracking(false);
        controls.stepper->setFocusPolicy(Qt::StrongFocus);
        controls.stepper->setAccessibleName(controls.label->text());
        controls.label->setBuddy(controls.stepper);
        connect(controls.stepper, &QSpinBox::valueChanged, this,
                [this, stat](int value) { OnStepperValue(stat, value); });
        grid->addWidget(controls.stepper, row, 1);

        for (int column = 0; column < 4; ++column) {
            CEditColor* cell =
                MakeValueField(this, QStringLiteral("%1%2").arg(QLatin1String(cellNames[column])).arg(stat));
            controls.cells[static_cast<std::size_t>(column)] = cell;
            grid->addWidget(cell, row, 2 + column);
        }
    }

    const int freeRow = 1 + kStatCount;
    auto* freeLabel = new QLabel(Context().Text(ui_text::kStatsFreePoints), this);
    grid->addWidget(freeLabel, freeRow, 0);
    m_freePointsField = MakeValueField(this, QStringLiteral("freePoints"));
    grid->addWidget(m_freePointsField, freeRow, 1);

    const int hitPointRow = freeRow + 1;
    auto* hitPointLabel = new QLabel(Context().Text(ui_text::kStatsHitPoints), this);
    grid->addWidget(hitPointLabel, hitPointRow, 0, 1, 2);
    for (int i = 0; i < 3; ++i)
        m_hitPointFields[static_cast<std::size_t>(i)] =
            MakeValueField(this, QStringLiteral("hitPoints%1").arg(i + 1));
    grid->addWidget(m_hitPointFields[0], hitPointRow, 2, 1, 2);
    grid->addWidget(m_hitPointFields[1], hitPointRow, 4);
    grid->addWidget(m_hitPointFields[2], hitPointRow, 5);
    auto* caption = new QLabel(Context().Text(ui_text::kStatsHitPointsCaption), this);
    caption->setObjectName(QStringLiteral("hitPointsCaption"));
    QFont captionFont = caption->font();
    captionFont.setItalic(true);
    caption->setFont(captionFont);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(caption, hitPointRow + 1, 0, 1, 6);
    grid->setRowMinimumHeight(freeRow, m_freePointsField->sizeHint().height() + 8);
    for (int column = 2; column < 6; ++column)
        grid->setColumnStretch(column, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addStretch(1);

    m_abilities = new CListCtrlMoreNotifies(this);
    m_abilities->setObjectName(QStringLiteral("abilityList"));
    m_abilities->setControlId(kAbilityListId);
    m_abilities->setColumnCount(3);
    m_abilities->setHeaderLabels({Context().Text(ui_text::kStatsAbilityLevel),
                                  Context().Text(ui_text::kStatsAbilityTrain),
                                  Context().Text(ui_text::kStatsAbilityName)});
    m_abilities->header()->setStretchLastSection(true);
    m_abilities->setSelectionMode(QAbstractItemView::SingleSelection);
    m_abilities->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_abilities->setMinimumWidth(QFontMetrics(m_abilities->font()).horizontalAdvance(QLatin1Char('M')) * 24);
    connect(m_abilities, &CListCtrlMoreNotifies::itemHovered, this,
            [this](int, int row, int, QPoint) { OnAbilityHovered(row); });

    auto* page = new QHBoxLayout(this);
    page->addLayout(left, 3);
    page->addWidget(m_abilities, 2);

    for (int stat = 0; stat + 1 < kStatCount; ++stat)
        setTabOrder(m_stats[static_cast<std::size_t>(stat)].stepper,
                    m_stats[static_cast<std::size_t>(stat) + 1].stepper);
    setTabOrder(m_stats[kStatCount - 1].stepper, m_abilities);
}

void CPage1::SetupTooltips()
{
    m_tooltip = new CRichTooltip(this);
    m_tooltip->setHideDelay(0);
    m_tooltip->setShadow(true);
    m_tooltip->setKeepWhileOnTool(true);
    m_tooltip->setInitialDelay(Context().settings.Get(setting::TOOLTIP_DELAY));

    const CGameDatabase& database = Context().database;
    for (int stat = 0; stat < kStatCount; ++stat) {
        const StatControls& controls = m_stats[static_cast<std::size_t>(stat)];
        const std::string description =
            database.Description(stats_rules::kStatDescriptionKeys[static_cast<std::size_t>(stat)]);
        m_tooltip->addTool(controls.label, description);
        m_tooltip->addTool(controls.cells[0], description);
    }
    if (Context().settings.Get(setting::UI_TOOLTIPS) != 0) {
        m_tooltip->addTool(m_columnHeaders[0], kBaseTip);
        m_tooltip->addTool(m_columnHeaders[1], kAtLevelTip);
        m_tooltip->addTool(m_columnHeaders[2], kItemCapTip);
    }
    // Filled with the description of the row under the pointer as it moves.
    m_tooltip->addTool(m_abilities->viewport(), std::string());
    connect(m_abilities, &CListCtrlMoreNotifies::scrolled, this, [this](int) {
        m_hoveredRow = 0;
        m_tooltip->itemsScrolled();
    });
    m_tooltip->watch(this);
}

void CPage1::OnRaceChanged()
{
    FullRefresh();
}

void CPage1::OnLevelChanged()
{
    RefreshValues();
}

void CPage1::OnClassChanged()
{
    FullRefresh();
}

void CPage1::FullRefresh()
{
    RefreshValues();
    RefillAbilities();
}

void CPage1::RefreshValues()
{
    const stats_rules::StatsModel model =
        stats_rules::ComputeStats(stats_rules::GatherStatsInput(Context().database, GetDocument()));
    const auto& spent = GetDocument().GetStatRaises();
    m_freePoints = model.freePoints;
    for (std::size_t stat = 0; stat < m_stats.size(); ++stat) {
        const StatControls& controls = m_stats[stat];
        {
            const QSignalBlocker blocker(controls.stepper);
            controls.stepper->setValue(spent[stat]);
        }
        const stats_rules::StatRow& row = model.rows[stat];
        ShowCell(controls.cells[0], row.base);
        ShowCell(controls.cells[1], row.atLevel);
        ShowCell(controls.cells[2], row.itemCap);
        ShowCell(controls.cells[3], row.withRealmAbilities);
    }
    m_columnHeaders[2]->setText(QString::fromStdString(model.capHeader));
    m_freePointsField->setText(QString::fromStdString(model.freePointsText));
    for (std::size_t i = 0; i < m_hitPointFields.size(); ++i)
        m_hitPointFields[i]->setText(Number(model.hitPoints[i]));
}

void CPage1::RefillAbilities()
{
    m_abilities->clear();
    m_hoveredRow = 0;
    m_tooltip->updateTipText(m_abilities->viewport(), std::string());
    const std::vector<stats_rules::AbilityRow> rows =
        stats_rules::AbilityRows(Context().database.ClassAbilities());
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const stats_rules::AbilityRow& row : rows) {
        auto* item = new QTreeWidgetItem({QString::fromStdString(row.level),
                                          QString::fromStdString(row.train), Windows1252ToQString(row.name)});
        // The name as the data spells it, for the description look-up.
        item->setData(kNameColumn, Qt::UserRole, QByteArray::fromStdString(row.name));
        item->setData(0, Qt::UserRole, row.kind);
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(1, Qt::AlignCenter);
        for (int column = 0; column < 3; ++column) {
            if (row.background)
                item->setBackground(column, ToQColor(*row.background));
            if (row.text)
                item->setForeground(column, ToQColor(*row.text));
        }
        items.append(item);
    }
    m_abilities->addTopLevelItems(items);
    for (int column = 0; column < 3; ++column)
        m_abilities->resizeColumnToContents(column);
}

void CPage1::StepStat(int stat, int delta)
{
    if (stat < 0 || stat >= kStatCount)
        return;
    const std::int32_t spent = GetDocument().GetStatRaises()[static_cast<std::size_t>(stat)];
    const stats_rules::StepResult result = stats_rules::StepStat(spent, m_freePoints, delta);
    if (result.applied != 0)
        GetDocument().AddStatRaise(stat, result.applied);
    m_freePoints = result.freePoints;
    RefreshValues();
}

void CPage1::OnStepperValue(int stat, int value)
{
    // The spin box moved away from the document's value; the rule decides what
    // of that move happens (a raise the points cannot pay is undone).
    const std::int32_t spent = GetDocument().GetStatRaises()[static_cast<std::size_t>(stat)];
    StepStat(stat, spent - value);
}

void CPage1::OnAbilityHovered(int row)
{
    if (row + 1 == m_hoveredRow)
        return;
    m_hoveredRow = row + 1;
    const QTreeWidgetItem* item = m_abilities->topLevelItem(row);
    const std::string name =
        item ? item->data(kNameColumn, Qt::UserRole).toByteArray().toStdString() : std::string();
    m_tooltip->updateTipText(m_abilities->viewport(), Context().database.Description(name));
}
