#include "shell/PageFactory.h"

#include "pages/masterlevels/CPage8_MasterLevels.h"
#include "pages/calc/CPage6.h"
#include "pages/realmabilities/CPage5.h"
#include "pages/realmabilities/CPage9_RAnw.h"
#include "pages/resists/CPage7.h"
#include "pages/skills/CPage2.h"
#include "pages/spells/CPage3.h"
#include "pages/stats/CPage1.h"
#include "pages/styles/CPage4.h"
#include "shell/CEmptyPage.h"

std::unique_ptr<CAPage> CreatePage(PageId id, CShellContext& context, CQuillmarDoc& document, QWidget* parent)
{
    switch (id) {
    case PageId::Stats:
        return std::make_unique<CPage1>(context, document, parent);
    case PageId::Skills:
        return std::make_unique<CPage2>(context, document, parent);
    case PageId::Spells:
        return std::make_unique<CPage3>(context, document, parent);
    case PageId::Styles:
        return std::make_unique<CPage4>(context, document, parent);
    case PageId::RealmAbilities:
        return std::make_unique<CPage5>(context, document, parent);
    case PageId::RealmAbilitiesNf:
        return std::make_unique<CPage9_RAnw>(context, document, parent);
    case PageId::Calculations:
        return std::make_unique<CPage6>(context, document, parent);
    case PageId::Resists:
        return std::make_unique<CPage7>(context, document, parent);
    case PageId::MasterLevels:
        return std::make_unique<CPage8_MasterLevels>(context, document, parent);
    default:
        return std::make_unique<CEmptyPage>(context, document, id, parent);
    }
}
