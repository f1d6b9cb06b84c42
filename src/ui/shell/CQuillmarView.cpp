#include "shell/CQuillmarView.h"

#include <QComboBox>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "document/CAppSettings.h"
#include "pages/ViewRules.h"
#include "shell/CViewHeader.h"

CQuillmarView::CQuillmarView(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : QWidget(parent), m_context(context), m_document(document), m_factory(&CreatePage)
{
    BuildWidgets();
    m_document.AddObserver(this);
}

CQuillmarView::~CQuillmarView()
{
    m_document.RemoveObserver(this);
    // The header reports changes while it is torn down, when this object is
    // no longer a view.
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

void CQuillmarView::BuildWidgets()
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
    m_header = new CViewHeader(m_context, m_document, m_content);

    m_tabs = new QTabWidget(m_content);
    m_tabs->setObjectName(QStringLiteral("pageTabs"));
    m_tabs->setUsesScrollButtons(false);
    column->addWidget(m_header);
    column->addWidget(m_tabs, 1);
    m_scroll->setWidget(m_content);

    setTabOrder(m_header->LastControl(), m_tabs);

    // What the header changed, the page follows.
    const auto tellPage = [this](void (CAPage::*notify)()) {
        return [this, notify] {
            if (m_page)
                (m_page.get()->*notify)();
        };
    };
    connect(m_header, &CViewHeader::classChanged, this, tellPage(&CAPage::OnClassChanged));
    connect(m_header, &CViewHeader::raceChanged, this, tellPage(&CAPage::OnRaceChanged));
    connect(m_header, &CViewHeader::levelChanged, this, tellPage(&CAPage::OnLevelChanged));
    connect(m_header, &CViewHeader::realmRankChanged, this, tellPage(&CAPage::OnRealmRankChanged));
    connect(m_header, &CViewHeader::skillPlanChanged, this, tellPage(&CAPage::OnSkillPlanChanged));
    connect(m_tabs, &QTabWidget::currentChanged, this, &CQuillmarView::OnTabChosen);
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

// Updates -------------------------------------------------------------------------

void CQuillmarView::OnInitialUpdate()
{
    if (m_header->Tooltip())
        return;  // once per window
    m_header->CreateTooltip();
    OnUpdate(0);

    InsertTabSet();

    const int position =
        view_rules::TabPositionForLastPage(m_context.settings.Get(setting::LAST_PAGE), m_tabIds);
    if (!m_tabIds.empty())
        ShowPage(m_tabIds[static_cast<std::size_t>(position)]);

    if (!m_document.IsBoundToFile())
        m_header->RealmList()->setFocus(Qt::OtherFocusReason);
}

void CQuillmarView::OnActivate()
{
    m_document.ActivateSelection();
}

void CQuillmarView::OnUpdate(int hint)
{
    m_header->Refresh();
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

void CQuillmarView::OnTabChosen(int position)
{
    if (m_rebuildingTabs || position < 0 || position >= static_cast<int>(m_tabIds.size()))
        return;
    ShowPage(m_tabIds[static_cast<std::size_t>(position)]);
}
