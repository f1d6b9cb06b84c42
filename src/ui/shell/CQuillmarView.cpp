#include "shell/CQuillmarView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "common/Windows1252.h"
#include "controls/CEditColor.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "shell/CHeaderSpinField.h"
#include "pages/ViewRules.h"

namespace {

// List items keep their Windows-1252 bytes beside the shown text, so that the
// document gets back exactly the name the database gave.
std::string ItemBytes(const QComboBox* list, int index)
{
    if (index < 0 || index >= list->count())
        return {};
    return list->itemData(index).toByteArray().toStdString();
}

std::vector<std::string> ItemsOf(const QComboBox* list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(ItemBytes(list, i));
    return items;
}

void FillList(QComboBox* list, const std::vector<std::string>& items)
{
    list->clear();
    for (const std::string& item : items)
        list->addItem(Windows1252ToQString(item), QByteArray::fromStdString(item));
}

std::string FieldBytes(const CHeaderSpinField* field)
{
    return QStringToWindows1252(field->text());
}

// The width a combo box needs to show the widest of the texts in full.
int ComboWidthFor(const QComboBox* list, const std::vector<std::string>& texts)
{
    const QFontMetrics metrics = list->fontMetrics();
    int textWidth = metrics.horizontalAdvance(QStringLiteral("XXXX"));
    for (const std::string& text : texts)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(Windows1252ToQString(text)));
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    const QSize contents(textWidth + 4, metrics.height());
    return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, list).width();
}

}  // namespace

CQuillmarView::CQuillmarView(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : QWidget(parent), m_context(context), m_document(document), m_factory(&CreatePage)
{
    BuildHeader();
    m_document.AddObserver(this);
}

CQuillmarView::~CQuillmarView()
{
    m_document.RemoveObserver(this);
    // The header's fields report leaving focus while they are torn down, when
    // this object is no longer a view.
    for (QWidget* child : findChildren<QWidget*>())
        disconnect(child, nullptr, this, nullptr);
    // The page refers to the document and sits in a tab that goes with the view.
    m_page.reset();
}

void CQuillmarView::SetPageFactory(PageFactory factory)
{
    m_factory = factory ? std::move(factory) : PageFactory(&CreatePage);
}

QSize CQuillmarView::sizeHint() const
{
    // From the parts: the content's own layout may still hold the header's
    // hint from before its lists were filled.
    const QLayout* column = m_content->layout();
    const QMargins margins = column->contentsMargins();
    const QSize header = m_header->sizeHint();
    const QSize tabs = m_tabs->sizeHint().expandedTo(m_tabs->minimumSizeHint());
    return {std::max(header.width(), tabs.width()) + margins.left() + margins.right(),
            header.height() + column->spacing() + tabs.height() + margins.top() + margins.bottom()};
}

// Building ------------------------------------------------------------------------

void CQuillmarView::BuildHeader()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    // Smaller than the header or the page, the window scrolls instead of squeezing them.
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    outer->addWidget(m_scroll);

    m_content = new QWidget;
    auto* column = new QVBoxLayout(m_content);
    m_header = new QWidget(m_content);
    auto* row = new QHBoxLayout(m_header);
    row->setContentsMargins(0, 0, 0, 0);

    m_realmList = new QComboBox(m_header);
    m_realmList->setObjectName(QStringLiteral("realmList"));
    m_classList = new QComboBox(m_header);
    m_classList->setObjectName(QStringLiteral("classList"));
    m_raceList = new QComboBox(m_header);
    m_raceList->setObjectName(QStringLiteral("raceList"));
    for (QComboBox* list : {m_realmList, m_classList, m_raceList})
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    m_levelField = new CHeaderSpinField(m_header);
    m_levelField->setObjectName(QStringLiteral("levelField"));
    m_levelField->setSampleText(QStringLiteral("40.5"));
    m_levelField->setAccessibleName(m_context.Text(ui_text::kViewLevelName));
    m_rankField = new CHeaderSpinField(m_header);
    m_rankField->setObjectName(QStringLiteral("realmRankField"));
    m_rankField->setSampleText(QStringLiteral("R10L10"));
    m_rankField->setAccessibleName(m_context.Text(ui_text::kViewRealmRankName));

    m_careerBox = new QCheckBox(m_context.Text(ui_text::kViewCareerMode), m_header);
    m_careerBox->setObjectName(QStringLiteral("careerBox"));
    m_snapButton = new QPushButton(m_context.Text(ui_text::kViewSnap), m_header);
    m_snapButton->setObjectName(QStringLiteral("snapButton"));
    m_delButton = new QPushButton(m_context.Text(ui_text::kViewDel), m_header);
    m_delButton->setObjectName(QStringLiteral("delButton"));
    for (QPushButton* button : {m_snapButton, m_delButton}) {
        // Enter presses a focused button as Space does.
        button->setAutoDefault(true);
        // The fields to the right keep their place when the buttons come and go.
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        // Short words: the style's minimum button width would leave a wide gap in career mode.
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin + 16);
        button->hide();
    }

    m_pointsField = new CEditColor(m_header);
    m_pointsField->setObjectName(QStringLiteral("realmPointsField"));
    m_pointsField->setReadOnly(true);
    m_pointsField->setAccessibleName(m_context.Text(ui_text::kViewRealmPointsName));
    m_pointsField->setMinimumWidth(
        m_pointsField->fontMetrics().horizontalAdvance(QStringLiteral("23.308.097 RPs")) + 16);
    m_pointsField->setMaximumWidth(m_pointsField->minimumWidth());

    m_coopBox = new QCheckBox(m_context.Text(ui_text::kViewCoopServer), m_header);
    m_coopBox->setObjectName(QStringLiteral("coopBox"));

    row->addWidget(m_realmList);
    row->addWidget(m_classList);
    row->addWidget(m_raceList);
    row->addWidget(m_levelField);
    row->addWidget(m_rankField);
    row->addWidget(m_careerBox);
    row->addWidget(m_snapButton);
    row->addWidget(m_delButton);
    row->addWidget(m_pointsField);
    row->addWidget(m_coopBox);
    row->addStretch(1);

    m_tabs = new QTabWidget(m_content);
    m_tabs->setObjectName(QStringLiteral("pageTabs"));
    m_tabs->setUsesScrollButtons(false);
    column->addWidget(m_header);
    column->addWidget(m_tabs, 1);
    m_scroll->setWidget(m_content);

    QWidget* order[] = {m_realmList,  m_classList, m_raceList,    m_levelField, m_rankField, m_careerBox,
                        m_snapButton, m_delButton, m_pointsField, m_coopBox,    m_tabs};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_realmList, &QComboBox::currentIndexChanged, this, &CQuillmarView::OnRealmChosen);
    connect(m_classList, &QComboBox::currentIndexChanged, this, &CQuillmarView::OnClassChosen);
    connect(m_raceList, &QComboBox::currentIndexChanged, this, &CQuillmarView::OnRaceChosen);
    connect(m_levelField, &CHeaderSpinField::stepped, this, &CQuillmarView::OnLevelStep);
    connect(m_levelField, &CHeaderSpinField::committed, this, &CQuillmarView::OnLevelCommit);
    connect(m_rankField, &CHeaderSpinField::stepped, this, &CQuillmarView::OnRealmRankStep);
    connect(m_rankField, &CHeaderSpinField::committed, this, &CQuillmarView::OnRealmRankCommit);
    connect(m_careerBox, &QCheckBox::clicked, this, &CQuillmarView::OnCareerClicked);
    connect(m_snapButton, &QPushButton::clicked, this, &CQuillmarView::OnSnap);
    connect(m_delButton, &QPushButton::clicked, this, &CQuillmarView::OnDel);
    connect(m_coopBox, &QCheckBox::clicked, this, &CQuillmarView::OnCoopClicked);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CQuillmarView::OnTabChosen);
}

void CQuillmarView::ApplyTooltips()
{
    if (!m_tooltip)
        return;
    const CAppSettings& settings = m_context.settings;
    m_tooltip->removeAllTools();
    m_tooltip->setInitialDelay(settings.Get(setting::TOOLTIP_DELAY));
    if (settings.Get(setting::UI_TOOLTIPS) != 0) {
        const std::pair<QWidget*, int> tips[] = {
            {m_realmList, ui_text::kViewTipRealm},     {m_classList, ui_text::kViewTipClass},
            {m_raceList, ui_text::kViewTipRace},       {m_levelField, ui_text::kViewTipLevel},
            {m_rankField, ui_text::kViewTipRealmRank}, {m_careerBox, ui_text::kViewTipCareer},
        };
        for (const auto& [widget, id] : tips)
            m_tooltip->addTool(widget, Utf8ToWindows1252(UiText(id, m_context.uiLanguage)));
    }
    // The points range is information, not an explanation: it stays whatever the setting.
    m_tooltip->addTool(m_pointsField, view_rules::RealmPointsTooltip(m_document.GetRealmRank()));
}

void CQuillmarView::InsertTabSet()
{
    m_page.reset();
    m_currentPageId = -1;
    m_rebuildingTabs = true;
    {
        const QSignalBlocker blocker(m_tabs);
        while (m_tabs->count() > 0) {
            QWidget* tab = m_tabs->widget(0);
            m_tabs->removeTab(0);
            delete tab;
        }
        const CAppSettings& settings = m_context.settings;
        m_tabIds = view_rules::TabSet(settings.Get(setting::SHOW_OLD_RAS) != 0,
                                      settings.Get(setting::SHOW_EXPERIMENTAL) != 0);
        for (int id : m_tabIds) {
            auto* area = new QWidget;
            auto* layout = new QVBoxLayout(area);
            layout->setContentsMargins(0, 0, 0, 0);
            m_tabs->addTab(area, m_context.Text(ui_text::kViewTabFirst + id));
        }
    }
    m_rebuildingTabs = false;
}

void CQuillmarView::FitListWidths()
{
    // Sized for every name the data can put in, so the header does not move
    // when another realm or class refills a list.
    const CGameDatabase& database = m_context.database;
    const CClassTable& classes = database.Classes();
    std::vector<std::string> classItems;
    for (int i = 0; i < classes.Count(); ++i)
        classItems.push_back(
            view_rules::ClassListItem(classes.Name(i), classes.IsFemaleOnly(i), database.Folder()));
    std::vector<std::string> raceItems;
    for (int i = 0; i < database.Races().Count(); ++i)
        raceItems.push_back(database.Races().Name(i));
    m_realmList->setMinimumWidth(ComboWidthFor(m_realmList, CGameDatabase::RealmNames()));
    m_classList->setMinimumWidth(ComboWidthFor(m_classList, classItems));
    m_raceList->setMinimumWidth(ComboWidthFor(m_raceList, raceItems));
}

// Updates -------------------------------------------------------------------------

void CQuillmarView::OnInitialUpdate()
{
    if (m_tooltip)
        return;  // once per window
    m_tooltip = new CRichTooltip(this);
    m_tooltip->setHideDelay(0);
    m_tooltip->setShadow(true);
    m_tooltip->setKeepWhileOnTool(true);
    m_tooltip->watch(m_header);
    OnUpdate(0);

    InsertTabSet();
    RefreshLevelField();
    RefreshRealmRank();
    RefreshSwitches();

    const int position =
        view_rules::TabPositionForLastPage(m_context.settings.Get(setting::LAST_PAGE), m_tabIds);
    if (!m_tabIds.empty())
        ShowPage(m_tabIds[static_cast<std::size_t>(position)]);

    if (!m_document.IsBoundToFile())
        m_realmList->setFocus(Qt::OtherFocusReason);
}

void CQuillmarView::OnActivate()
{
    m_document.ActivateSelection();
}

void CQuillmarView::OnUpdate(int hint)
{
    ApplyTooltips();
    FitListWidths();

    FillRealmList();
    SelectForDocument(m_realmList, m_document.GetRealm());
    TakeRealm();
    FillClassList();
    SelectForDocument(m_classList, m_document.GetClass());
    TakeClass();
    FillRaceList();
    SelectForDocument(m_raceList, m_document.GetRace());
    TakeRace();

    const bool bound = m_document.IsBoundToFile();
    for (QComboBox* list : {m_realmList, m_classList, m_raceList})
        list->setEnabled(!bound);
    // The rest of the header shows the document too: a reloaded or
    // recalculated character must not keep the old values on screen.
    RefreshLevelField();
    RefreshRealmRank();
    RefreshSwitches();

    if (hint == 1) {
        const int remembered = m_tabs->currentIndex();
        InsertTabSet();
        const int position =
            remembered >= 0 && remembered < static_cast<int>(m_tabIds.size()) ? remembered : 0;
        if (!m_tabIds.empty())
            ShowPage(m_tabIds[static_cast<std::size_t>(position)]);
    }
}

void CQuillmarView::ShowPage(int id)
{
    m_page.reset();
    m_currentPageId = -1;
    const int shown = view_rules::PageShownFor(id, m_tabIds);
    if (shown < 0)
        return;
    const int position = view_rules::TabPositionOf(shown, m_tabIds);
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(position);
    }
    QWidget* area = m_tabs->widget(position);
    m_page = m_factory(static_cast<PageId>(shown), m_context, m_document, area);
    if (!m_page)
        return;
    const QSize templateSize = m_page->TemplateSize();
    if (templateSize.isValid())
        m_page->setMinimumSize(templateSize);
    area->layout()->addWidget(m_page.get());
    m_page->show();
    m_currentPageId = shown;
    m_context.settings.Set(setting::LAST_PAGE, position);
}

// Lists ---------------------------------------------------------------------------

void CQuillmarView::FillRealmList()
{
    const QSignalBlocker blocker(m_realmList);
    FillList(m_realmList, CGameDatabase::RealmNames());
}

void CQuillmarView::FillClassList()
{
    const QSignalBlocker blocker(m_classList);
    const CGameDatabase& database = m_context.database;
    std::vector<std::string> items;
    for (const std::string& name : database.ClassNames()) {
        const int index = database.Classes().FindByName(name);
        const bool femaleOnly = index >= 0 && database.Classes().IsFemaleOnly(index);
        items.push_back(view_rules::ClassListItem(name, femaleOnly, database.Folder()));
    }
    FillList(m_classList, items);
}

void CQuillmarView::FillRaceList()
{
    const QSignalBlocker blocker(m_raceList);
    FillList(m_raceList, m_context.database.RaceNames());
}

void CQuillmarView::SelectForDocument(QComboBox* list, const std::string& value)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(view_rules::SelectListItem(ItemsOf(list), value));
}

void CQuillmarView::TakeRealm()
{
    m_document.SetRealm(ItemBytes(m_realmList, m_realmList->currentIndex()));
}

void CQuillmarView::TakeClass()
{
    m_document.SetClass(view_rules::StripFemaleSuffix(ItemBytes(m_classList, m_classList->currentIndex())));
}

void CQuillmarView::TakeRace()
{
    m_document.SetRace(ItemBytes(m_raceList, m_raceList->currentIndex()));
}

void CQuillmarView::OnRealmChosen()
{
    TakeRealm();
    FillClassList();
    {
        const QSignalBlocker blocker(m_classList);
        m_classList->setCurrentIndex(m_classList->count() > 0 ? 0 : -1);
    }
    ChooseClass();
}

void CQuillmarView::OnClassChosen()
{
    ChooseClass();
}

void CQuillmarView::ChooseClass()
{
    TakeClass();
    FillRaceList();
    {
        const QSignalBlocker blocker(m_raceList);
        m_raceList->setCurrentIndex(m_raceList->count() > 0 ? 0 : -1);
    }
    ChooseRace();
    // A new class empties the plan: the level field loses its colour.
    RefreshLevelField();
    if (m_page)
        m_page->OnClassChanged();
}

void CQuillmarView::OnRaceChosen()
{
    ChooseRace();
}

void CQuillmarView::ChooseRace()
{
    TakeRace();
    if (m_page)
        m_page->OnRaceChanged();
}

// Level and realm rank ------------------------------------------------------------

void CQuillmarView::RefreshLevelField()
{
    m_levelField->setText(QString::fromStdString(view_rules::FormatLevel(m_document.GetLevel())));
    if (m_document.LevelHasEntries())
        m_levelField->setBackgroundColor(QColor::fromRgb(kLevelHasEntriesColor));
    else
        m_levelField->resetBackgroundColor();
}

void CQuillmarView::SetLevelFromHeader(float level)
{
    const float before = m_document.GetLevel();
    m_document.SetLevel(level);
    RefreshLevelField();
    if (m_page && m_document.GetLevel() != before)
        m_page->OnLevelChanged();
}

void CQuillmarView::OnLevelStep(int delta)
{
    SetLevelFromHeader(view_rules::StepLevel(view_rules::ParseLevelText(FieldBytes(m_levelField)), delta));
}

void CQuillmarView::OnLevelCommit()
{
    SetLevelFromHeader(view_rules::ParseLevelText(FieldBytes(m_levelField)));
}

void CQuillmarView::RefreshRealmRank()
{
    const int code = m_document.GetRealmRank();
    m_rankField->setText(QString::fromStdString(view_rules::RealmRankText(code)));
    m_pointsField->setText(QString::fromStdString(view_rules::RealmPointsDisplay(code)));
    m_pointsField->setCursorPosition(0);
    if (m_tooltip)
        m_tooltip->updateTipText(m_pointsField, view_rules::RealmPointsTooltip(code));
}

void CQuillmarView::SetRealmRankFromHeader(int code)
{
    // Leaving the field unchanged is no change to the character.
    const int clamped = std::clamp(code, 0, CQuillmarDoc::kMaxRealmRank);
    const bool changed = clamped != m_document.GetRealmRank();
    if (changed)
        m_document.SetRealmRank(clamped);
    RefreshRealmRank();
    if (m_page && changed)
        m_page->OnRealmRankChanged();
}

void CQuillmarView::OnRealmRankStep(int delta)
{
    const int start =
        view_rules::ParseRealmRankText(FieldBytes(m_rankField)).value_or(m_document.GetRealmRank());
    SetRealmRankFromHeader(view_rules::StepRealmRank(start, delta));
}

void CQuillmarView::OnRealmRankCommit()
{
    const std::optional<int> code = view_rules::ParseRealmRankText(FieldBytes(m_rankField));
    SetRealmRankFromHeader(code.value_or(m_document.GetRealmRank()));
}

// Switches ------------------------------------------------------------------------

void CQuillmarView::RefreshSwitches()
{
    const bool career = m_document.IsCareerMode() != 0;
    m_careerBox->setChecked(career);
    m_snapButton->setVisible(career);
    m_delButton->setVisible(career);
    m_coopBox->setChecked(m_document.GetOption(doc_option::CoopMode) != 0);
}

void CQuillmarView::OnCareerClicked(bool on)
{
    // The document refreshes its views, which shows or hides Snap and Del.
    m_document.SetCareerMode(on ? 1 : 0);
    if (m_page)
        m_page->OnSkillPlanChanged();
}

void CQuillmarView::OnSnap()
{
    m_document.SnapLevel();
    if (m_page)
        m_page->OnSkillPlanChanged();
}

void CQuillmarView::OnDel()
{
    m_document.ClearLevel();
    if (m_page)
        m_page->OnSkillPlanChanged();
}

void CQuillmarView::OnCoopClicked(bool on)
{
    m_document.SetOption(doc_option::CoopMode, on ? 1 : 0);
    if (m_page)
        m_page->OnClassChanged();
}

void CQuillmarView::OnTabChosen(int position)
{
    if (m_rebuildingTabs || position < 0 || position >= static_cast<int>(m_tabIds.size()))
        return;
    ShowPage(m_tabIds[static_cast<std::size_t>(position)]);
}
