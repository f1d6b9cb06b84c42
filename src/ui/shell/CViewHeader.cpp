#include "shell/CViewHeader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <vector>

#include "common/Windows1252.h"
#include "controls/CEditColor.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "pages/ViewRules.h"
#include "shell/CHeaderSpinField.h"
#include "shell/CShellContext.h"

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

CViewHeader::CViewHeader(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : QWidget(parent), m_context(context), m_document(document)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    m_realmList = new QComboBox(this);
    m_realmList->setObjectName(QStringLiteral("realmList"));
    m_classList = new QComboBox(this);
    m_classList->setObjectName(QStringLiteral("classList"));
    m_raceList = new QComboBox(this);
    m_raceList->setObjectName(QStringLiteral("raceList"));
    for (QComboBox* list : {m_realmList, m_classList, m_raceList})
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    m_levelField = new CHeaderSpinField(this);
    m_levelField->setObjectName(QStringLiteral("levelField"));
    m_levelField->setSampleText(QStringLiteral("40.5"));
    m_levelField->setAccessibleName(m_context.Text(ui_text::kViewLevelName));
    m_rankField = new CHeaderSpinField(this);
    m_rankField->setObjectName(QStringLiteral("realmRankField"));
    m_rankField->setSampleText(QStringLiteral("R10L10"));
    m_rankField->setAccessibleName(m_context.Text(ui_text::kViewRealmRankName));

    m_careerBox = new QCheckBox(m_context.Text(ui_text::kViewCareerMode), this);
    m_careerBox->setObjectName(QStringLiteral("careerBox"));
    m_snapButton = new QPushButton(m_context.Text(ui_text::kViewSnap), this);
    m_snapButton->setObjectName(QStringLiteral("snapButton"));
    m_delButton = new QPushButton(m_context.Text(ui_text::kViewDel), this);
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

    m_pointsField = new CEditColor(this);
    m_pointsField->setObjectName(QStringLiteral("realmPointsField"));
    m_pointsField->setReadOnly(true);
    m_pointsField->setAccessibleName(m_context.Text(ui_text::kViewRealmPointsName));
    m_pointsField->setMinimumWidth(
        m_pointsField->fontMetrics().horizontalAdvance(QStringLiteral("23.308.097 RPs")) + 16);
    m_pointsField->setMaximumWidth(m_pointsField->minimumWidth());

    m_coopBox = new QCheckBox(m_context.Text(ui_text::kViewCoopServer), this);
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

    QWidget* order[] = {m_realmList, m_classList,  m_raceList,  m_levelField,  m_rankField,
                        m_careerBox, m_snapButton, m_delButton, m_pointsField, m_coopBox};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_realmList, &QComboBox::currentIndexChanged, this, &CViewHeader::OnRealmChosen);
    connect(m_classList, &QComboBox::currentIndexChanged, this, &CViewHeader::ChooseClass);
    connect(m_raceList, &QComboBox::currentIndexChanged, this, &CViewHeader::ChooseRace);
    connect(m_levelField, &CHeaderSpinField::stepped, this, &CViewHeader::OnLevelStep);
    connect(m_levelField, &CHeaderSpinField::committed, this, &CViewHeader::OnLevelCommit);
    connect(m_rankField, &CHeaderSpinField::stepped, this, &CViewHeader::OnRealmRankStep);
    connect(m_rankField, &CHeaderSpinField::committed, this, &CViewHeader::OnRealmRankCommit);
    connect(m_careerBox, &QCheckBox::clicked, this, &CViewHeader::OnCareerClicked);
    connect(m_snapButton, &QPushButton::clicked, this, &CViewHeader::OnSnap);
    connect(m_delButton, &QPushButton::clicked, this, &CViewHeader::OnDel);
    connect(m_coopBox, &QCheckBox::clicked, this, &CViewHeader::OnCoopClicked);
}

CViewHeader::~CViewHeader()
{
    // The fields report leaving focus while they are torn down, when this
    // object is no longer a header.
    for (QWidget* child : findChildren<QWidget*>())
        disconnect(child, nullptr, this, nullptr);
}

QWidget* CViewHeader::LastControl() const
{
    return m_coopBox;
}

void CViewHeader::CreateTooltip()
{
    if (m_tooltip)
        return;
    m_tooltip = new CRichTooltip(this);
    m_tooltip->setHideDelay(0);
    m_tooltip->setShadow(true);
    m_tooltip->setKeepWhileOnTool(true);
    m_tooltip->watch(this);
}

void CViewHeader::Refresh()
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
}

// Tooltips and widths ---------------------------------------------------------------

void CViewHeader::ApplyTooltips()
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

void CViewHeader::FitListWidths()
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

// Lists ---------------------------------------------------------------------------

void CViewHeader::FillRealmList()
{
    const QSignalBlocker blocker(m_realmList);
    FillList(m_realmList, CGameDatabase::RealmNames());
}

void CViewHeader::FillClassList()
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

void CViewHeader::FillRaceList()
{
    const QSignalBlocker blocker(m_raceList);
    FillList(m_raceList, m_context.database.RaceNames());
}

void CViewHeader::SelectForDocument(QComboBox* list, const std::string& value)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(view_rules::SelectListItem(ItemsOf(list), value));
}

void CViewHeader::TakeRealm()
{
    m_document.SetRealm(ItemBytes(m_realmList, m_realmList->currentIndex()));
}

void CViewHeader::TakeClass()
{
    m_document.SetClass(view_rules::StripFemaleSuffix(ItemBytes(m_classList, m_classList->currentIndex())));
}

void CViewHeader::TakeRace()
{
    m_document.SetRace(ItemBytes(m_raceList, m_raceList->currentIndex()));
}

void CViewHeader::OnRealmChosen()
{
    TakeRealm();
    FillClassList();
    {
        const QSignalBlocker blocker(m_classList);
        m_classList->setCurrentIndex(m_classList->count() > 0 ? 0 : -1);
    }
    ChooseClass();
}

void CViewHeader::ChooseClass()
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
    emit classChanged();
}

void CViewHeader::ChooseRace()
{
    TakeRace();
    emit raceChanged();
}

// Level and realm rank ------------------------------------------------------------

void CViewHeader::RefreshLevelField()
{
    m_levelField->setText(QString::fromStdString(view_rules::FormatLevel(m_document.GetLevel())));
    if (m_document.LevelHasEntries())
        m_levelField->setBackgroundColor(QColor::fromRgb(kLevelHasEntriesColor));
    else
        m_levelField->resetBackgroundColor();
}

void CViewHeader::SetLevelFromHeader(float level)
{
    const float before = m_document.GetLevel();
    m_document.SetLevel(level);
    RefreshLevelField();
    if (m_document.GetLevel() != before)
        emit levelChanged();
}

void CViewHeader::OnLevelStep(int delta)
{
    SetLevelFromHeader(view_rules::StepLevel(view_rules::ParseLevelText(FieldBytes(m_levelField)), delta));
}

void CViewHeader::OnLevelCommit()
{
    SetLevelFromHeader(view_rules::ParseLevelText(FieldBytes(m_levelField)));
}

void CViewHeader::RefreshRealmRank()
{
    const int code = m_document.GetRealmRank();
    m_rankField->setText(QString::fromStdString(view_rules::RealmRankText(code)));
    m_pointsField->setText(QString::fromStdString(view_rules::RealmPointsDisplay(code)));
    m_pointsField->setCursorPosition(0);
    if (m_tooltip)
        m_tooltip->updateTipText(m_pointsField, view_rules::RealmPointsTooltip(code));
}

void CViewHeader::SetRealmRankFromHeader(int code)
{
    // Leaving the field unchanged is no change to the character.
    const int clamped = std::clamp(code, 0, CQuillmarDoc::kMaxRealmRank);
    const bool changed = clamped != m_document.GetRealmRank();
    if (changed)
        m_document.SetRealmRank(clamped);
    RefreshRealmRank();
    if (changed)
        emit realmRankChanged();
}

void CViewHeader::OnRealmRankStep(int delta)
{
    const int start =
        view_rules::ParseRealmRankText(FieldBytes(m_rankField)).value_or(m_document.GetRealmRank());
    SetRealmRankFromHeader(view_rules::StepRealmRank(start, delta));
}

void CViewHeader::OnRealmRankCommit()
{
    const std::optional<int> code = view_rules::ParseRealmRankText(FieldBytes(m_rankField));
    SetRealmRankFromHeader(code.value_or(m_document.GetRealmRank()));
}

// Switches ------------------------------------------------------------------------

void CViewHeader::RefreshSwitches()
{
    const bool career = m_document.IsCareerMode() != 0;
    m_careerBox->setChecked(career);
    m_snapButton->setVisible(career);
    m_delButton->setVisible(career);
    m_coopBox->setChecked(m_document.GetOption(doc_option::CoopMode) != 0);
}

void CViewHeader::OnCareerClicked(bool on)
{
    // The document refreshes its views, which shows or hides Snap and Del.
    m_document.SetCareerMode(on ? 1 : 0);
    emit skillPlanChanged();
}

void CViewHeader::OnSnap()
{
    m_document.SnapLevel();
    emit skillPlanChanged();
}

void CViewHeader::OnDel()
{
    m_document.ClearLevel();
    emit skillPlanChanged();
}

void CViewHeader::OnCoopClicked(bool on)
{
    m_document.SetOption(doc_option::CoopMode, on ? 1 : 0);
    emit classChanged();
}
