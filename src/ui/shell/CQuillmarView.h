// The content of a character window: a header row that edits the character's
// identity (realm, class, race, level, realm rank, career and co-op switches)
// and a tab per planner page below it, of which exactly one page exists at a
// time. Changes made in the header reach the page as its notifications.
#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "document/CQuillmarDoc.h"
#include "shell/CAPage.h"
#include "shell/PageFactory.h"

class CEditColor;
class CHeaderSpinField;
class CRichTooltip;
class QCheckBox;
class QComboBox;
class QPushButton;
class QScrollArea;
class QTabWidget;

class CQuillmarView : public QWidget, public CDocumentObserver {
    Q_OBJECT
public:
    static constexpr QRgb kLevelHasEntriesColor = 0xFFC0FFC0;  // RGB(192, 255, 192)

    CQuillmarView(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);
    ~CQuillmarView() override;

    // Once, after the child window has embedded the view.
    void OnInitialUpdate();
    // The child window became active: the database's selection follows this character.
    void OnActivate();
    // Refreshes the header; hint 1 also rebuilds the tooltips' texts, the tab set and the page.
    void OnUpdate(int hint);
    // Shows the page of an id, or the nearest shown page below it, or the first tab.
    void ShowPage(int id);

    // PageId of the page shown; -1 before the first one.
    int CurrentPageId() const { return m_currentPageId; }
    CAPage* CurrentPage() const { return m_page.get(); }
    CQuillmarDoc& Document() const { return m_document; }
    // Tests put in pages that record what they are told.
    void SetPageFactory(PageFactory factory);

    QComboBox* RealmList() const { return m_realmList; }
    QComboBox* ClassList() const { return m_classList; }
    QComboBox* RaceList() const { return m_raceList; }
    CHeaderSpinField* LevelField() const { return m_levelField; }
    CHeaderSpinField* RealmRankField() const { return m_rankField; }
    QCheckBox* CareerBox() const { return m_careerBox; }
    QPushButton* SnapButton() const { return m_snapButton; }
    QPushButton* DelButton() const { return m_delButton; }
    CEditColor* RealmPointsField() const { return m_pointsField; }
    QCheckBox* CoopBox() const { return m_coopBox; }
    QTabWidget* Tabs() const { return m_tabs; }
    CRichTooltip* HeaderTooltip() const { return m_tooltip; }
    QWidget* Header() const { return m_header; }

    QSize sizeHint() const override;

    // CDocumentObserver
    void OnViewsUpdated(int hint) override { OnUpdate(hint); }
    void OnModifiedChanged(bool) override {}

private:
    void BuildHeader();
    void ApplyTooltips();
    void InsertTabSet();
    void FitListWidths();

    void FillRealmList();
    void FillClassList();
    void FillRaceList();
    // The document takes the selected item of a list (the class without its suffix).
    void TakeRealm();
    void TakeClass();
    void TakeRace();
    void SelectForDocument(QComboBox* list, const std::string& value);

    void RefreshLevelField();
    void RefreshRealmRank();
    void RefreshSwitches();

    void OnRealmChosen();
    void OnClassChosen();
    void OnRaceChosen();
    void ChooseClass();
    void ChooseRace();
    void SetLevelFromHeader(float level);
    void OnLevelStep(int delta);
    void OnLevelCommit();
    void SetRealmRankFromHeader(int code);
    void OnRealmRankStep(int delta);
    void OnRealmRankCommit();
    void OnCareerClicked(bool on);
    void OnSnap();
    void OnDel();
    void OnCoopClicked(bool on);
    void OnTabChosen(int position);

    CShellContext& m_context;
    CQuillmarDoc& m_document;
    PageFactory m_factory;

    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QWidget* m_header = nullptr;
    QComboBox* m_realmList = nullptr;
    QComboBox* m_classList = nullptr;
    QComboBox* m_raceList = nullptr;
    CHeaderSpinField* m_levelField = nullptr;
    CHeaderSpinField* m_rankField = nullptr;
    QCheckBox* m_careerBox = nullptr;
    QPushButton* m_snapButton = nullptr;
    QPushButton* m_delButton = nullptr;
    CEditColor* m_pointsField = nullptr;
    QCheckBox* m_coopBox = nullptr;
    QTabWidget* m_tabs = nullptr;
    CRichTooltip* m_tooltip = nullptr;

    std::vector<int> m_tabIds;  // PageId of each tab position
    std::unique_ptr<CAPage> m_page;
    int m_currentPageId = -1;
    bool m_rebuildingTabs = false;
};
