// Golden rows of the markup tests, one case a line under tests/data/markup:
// tab-separated fields, the first the markup, backslash escapes \n \t \r \0 \\
// and \xHH; lines starting with '#' explain the rows below them.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

inline std::string UnescapeGolden(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '\\' || i + 1 == field.size()) {
            out += c;
            continue;
        }
        const char e = field[++i];
        if (e == 'x' && i + 2 < field.size()) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e == '0' ? '\0' : e;
        }
    }
    return out;
}

inline std::vector<std::vector<std::string>> GoldenRows(const std::string& name)
{
    std::ifstream in(std::string(QUILLMAR_TEST_DATA) + "/markup/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        rows.emplace_back();
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            rows.back().push_back(UnescapeGolden(line.substr(start, tab - start)));
        }
    }
    EXPECT_GE(rows.size(), 20u) << name << " is missing or short";
    return rows;
}
