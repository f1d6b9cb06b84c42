// Realm abilities under the old rules: the class's abilities with their
// per-level costs and prerequisites, sorted by name or by kind (passive ones,
// a separator line, then the active ones) with a click on "Name" or "Art".
#pragma once

#include "pages/realmabilities/CRealmAbilityPage.h"

class CPage5 : public CRealmAbilityPage {
    Q_OBJECT
public:
    CPage5(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);

    ra_rules::SortMode Sort() const { return m_sort; }

protected:
    std::vector<ra_rules::AbilityRow> BuildRows() override;
    QStringList Cells(const ra_rules::AbilityRow& row) const override;

private:
    void OnHeaderClicked(int column);

    ra_rules::SortMode m_sort = ra_rules::SortMode::ByKind;
};
