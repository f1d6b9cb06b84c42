// Styles page: the combat styles of the class's style lines that the character
// can use at its line levels (or all of them), a tree of the same styles by the
// style each one follows, filtered by line and opening, and the description of
// a style in a tooltip over the list and in the box below it.
#pragma once

#include "pages/styles/StylesRules.h"
#include "shell/CAPage.h"

class CListCtrlMoreNotifies;
class CRichMarkupView;
class CRichTooltip;
class QCheckBox;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

class CPage4 : public CAPage {
    Q_OBJECT
public:
    CPage4(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);

    void OnClassChanged() override;
    // Only in career mode do the line levels follow the character level.
    void OnLevelChanged() override;

private:
    void Refresh();
    void RefillFilters();
    void RebuildTree();
    void OnShowAllClicked(bool checked);
    void OnListSelectionChanged();
    void OnTreeSelectionChanged();
    void OnRowHovered(int row);
    void ShowDetailOfCurrentRow();
    const styles_rules::StyleRow* RowAt(int row) const;

    QCheckBox* m_showAll = nullptr;
    QComboBox* m_lineFilter = nullptr;
    QComboBox* m_openingFilter = nullptr;
    CListCtrlMoreNotifies* m_list = nullptr;
    QTreeWidget* m_tree = nullptr;
    CRichMarkupView* m_detail = nullptr;
    CRichTooltip* m_tooltip = nullptr;
    styles_rules::StylesList m_styles;
    // The list row the tooltip was last filled for, -1 for none.
    int m_hoveredRow = -1;
    // Set while one view's selection is copied to the other.
    bool m_syncingSelection = false;
};
