// styles.csv: the combat styles with their opening requirement and details.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "database/DbResult.h"
#include "database/GameTypes.h"

struct CStyleInfo {
    std::int32_t id = 0;
    std::string name;
    std::int32_t level = 0;
    // Index of the style this one follows, -1 for none. Until the follow-up pass
    // has resolved it, it holds the raw id from the file.
    std::int32_t follows = -1;
    bool followsResolved = false;
    bool stealth = false;
    std::string position;
    std::string reaction;
    std::string attack;
    std::string defenseBonus;
    std::string fatigueCost;
    std::string damage;
    std::string effect;
    std::string defensePenalty;
};

// Opening kinds; 128 is added to a kind when the style needs stealth.
enum StyleOpening : int {
    kOpeningNone = 0,
    kOpeningFront = 1,
    kOpeningBehind = 2,
    kOpeningSide = 3,
    kOpeningEvade = 4,
    kOpeningBlock = 5,
    kOpeningParry = 6,
    kOpeningTarget = 7,
    kOpeningFollowUp = 8,
    kOpeningAbility = 9,
    kOpeningStealthFlag = 128,
};

class CStyleTable {
public:
    DbResult LoadStyles(const std::string& folder);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CStyleInfo& Info(int index) const { return m_records[index]; }
    int FindById(std::int32_t id) const;
    const std::string& Name(int index) const { return m_records[index].name; }
    std::int32_t Level(int index) const { return m_records[index].level; }
    // Index of the followed style, -1 when none (or unresolved).
    int Follows(int index) const;
    std::string FollowsName(int index) const;
    int Opening(int index) const;
    DetailRows Detail(int index) const;

private:
    std::vector<CStyleInfo> m_records;
    std::unordered_map<std::int32_t, int> m_indexById;  // first record of each id

    DbResult ResolveFollowUps();
};
