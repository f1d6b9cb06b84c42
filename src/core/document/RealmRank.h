// Realm rank codes: code = (rank - 1) * 10 + sub-level, 0..110. Their short
// text, the realm points each code needs and the rank titles of each realm.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "database/GameTypes.h"

class CGameDatabase;

namespace realm_rank {

constexpr int kMaxCode = 110;

// "R%iL%i"; code 100 is "R10L10" since there is no R11L0. Empty outside 0..110.
std::string CodeText(int code);

// Realm points needed for a code; nothing outside 0..110.
std::optional<std::int32_t> PointsOf(int code);
// The points as a decimal number with dots between groups of three digits
// (1.234.567); minusOne gives the last points before that rank. Empty outside 0..110.
std::string PointsText(int code, bool minusOne = false);
std::string DottedNumber(std::int64_t value);

// Title of the rank of a code in a realm, in the database's data language
// (German for the "de" folder, English for any other). Empty when the realm
// or the code is outside the tables.
std::string_view Title(int code, RealmIndex realm, const CGameDatabase& database);
std::string_view Title(int code, RealmIndex realm, bool german);

}  // namespace realm_rank
