// A test fixture base that loads the shipped data once per test suite, in
// both languages.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "database/CGameDatabase.h"
#include "support/TempDataFolder.h"

class ShippedDatabases : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const char* folder : {"de", "en"}) {
            auto database = std::make_unique<CGameDatabase>(ShippedDataRoot().string());
            database->Load(folder);
            ASSERT_TRUE(database->IsLoaded()) << folder;
            (std::string(folder) == "de" ? s_german : s_english) = std::move(database);
        }
    }
    static void TearDownTestSuite()
    {
        s_german.reset();
        s_english.reset();
    }

    static inline std::unique_ptr<CGameDatabase> s_german, s_english;
};
