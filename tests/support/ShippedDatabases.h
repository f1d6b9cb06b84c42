// A test fixture base that loads the shipped data of both languages once per suite
// (kept until the next suite loads it again).
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "database/CGameDatabase.h"
#include "support/TempDataFolder.h"

class ShippedDatabases : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_german = Loaded("de");
        s_english = Loaded("en");
    }
    static std::unique_ptr<CGameDatabase> Loaded(const char* folder)
    {
        auto database = std::make_unique<CGameDatabase>(ShippedDataRoot().string());
        database->Load(folder);
        EXPECT_TRUE(database->IsLoaded()) << folder;
        return database;
    }

    static inline std::unique_ptr<CGameDatabase> s_german, s_english;
};
