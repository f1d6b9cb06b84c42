// The content of a character window: the header row (CViewHeader) that edits
// the character's identity, and a tab per planner page below it, of which
// exactly one page exists at a time. Changes made in the header reach the page
// as its notifications.
#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "document/CQuillmarDoc.h"
#include "shell/CAPage.h"
#include "shell/PageFactory.h"

class CViewHeader;
class QScrollArea;
class QTabWidget;

class CQuillmarView : public QWidget, public CDocumentObserver {
    Q_OBJECT
public:
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

    CViewHeader* Header() const { return m_header; }
    QTabWidget* Tabs() const { return m_tabs; }

    QSize sizeHint() const override;

    // CDocumentObserver
    void OnViewsUpdated(int hint) override { OnUpdate(hint); }
    void OnModifiedChanged(bool) override {}

private:
    void BuildWidgets();
    void InsertTabSet();
    void OnTabChosen(int position);

    CShellContext& m_context;
    CQuillmarDoc& m_document;
    PageFactory m_factory;

    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    CViewHeader* m_header = nullptr;
    QTabWidget* m_tabs = nullptr;

    std::vector<int> m_tabIds;  // PageId of each tab position
    std::unique_ptr<CAPage> m_page;
    int m_currentPageId = -1;
    bool m_rebuildingTabs = false;
};
