// The data maintainers' second look at a language folder. Loading keeps what it
// can read and says nothing of a file that reads as no records, or of lines too
// short to be records; this check reads each file on its own and names both.
#pragma once

#include <string>
#include <vector>

// One line per finding, in the loader's file order, for example
//   "malevel.csv: 121 of 121 records have fewer than 10 fields (the first on line 3)"
// A file that cannot be read is left out: loading already reports it.
std::vector<std::string> CheckDataFiles(const std::string& folder);
