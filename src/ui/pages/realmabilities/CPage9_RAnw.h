// Realm abilities under the new rules: the class's abilities under the headers
// of their groups (normal, timed, at RR5), with the fixed costs of each group.
#pragma once

#include "pages/realmabilities/CRealmAbilityPage.h"

class CPage9_RAnw : public CRealmAbilityPage {
    Q_OBJECT
public:
    CPage9_RAnw(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);

protected:
    std::vector<ra_rules::AbilityRow> BuildRows() override;
    QStringList Cells(const ra_rules::AbilityRow& row) const override;
};
