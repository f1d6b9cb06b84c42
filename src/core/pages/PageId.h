// Page numbers of the character window. Tabs are inserted in this order, so
// tab positions differ from page numbers when tabs are hidden.
#pragma once

enum class PageId {
    Stats = 0,
    Skills = 1,
    Spells = 2,
    Styles = 3,
    RealmAbilities = 4,
    RealmAbilitiesNf = 5,
    MasterLevels = 6,
    Calculations = 7,
    Resists = 8,
};

inline constexpr int kPageCount = 9;
