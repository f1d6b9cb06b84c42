// Resists page: for every class of the ticked realms, each spell category whose
// spells carry a damage type, sortable by any column. A reference table that
// reads only the game data, so it answers none of the character's changes.
#pragma once

#include <array>
#include <vector>

#include "database/GameTypes.h"
#include "pages/resists/ResistsRules.h"
#include "shell/CAPage.h"

class QCheckBox;
class QTreeWidget;

class CPage7 : public CAPage {
    Q_OBJECT
public:
    CPage7(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);

    // 0 unsorted, +(c + 1) ascending or -(c + 1) descending by column c.
    int SortState() const { return m_sortState; }
    // Rebuilds the rows for the ticked realms, in the current sort.
    void Fill();

private:
    void ShowRows();
    void OnHeaderClicked(int column);

    std::array<QCheckBox*, kRealmCount> m_realmBoxes{};
    QTreeWidget* m_list = nullptr;
    // What the list shows, in its order: a click sorts these as they stand.
    std::vector<resists_rules::ResistRow> m_rows;
    int m_sortState = 0;
};
