// The data-language switch over fake documents whose names follow the data
// language and whose file image is the language-free part of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/FileIo.h"
#include "document/LanguageSwitch.h"
#include "support/TempDataFolder.h"

namespace {

namespace fs = std::filesystem;
using KeptState = CLanguageSwitchDocuments::KeptState;

// Where the fake fails.
struct Faults {
    int image = -1;  // this document's file image cannot be made
    bool noTemporaryFolder = false;
    std::string missingData = {};  // this data folder cannot be loaded
    int reload = -1;               // this document cannot be read in English (or at all)
    bool restoreToo = false;
    std::string reloadError = "class number 99 names no class";
};

struct FakeDocument {
    std::string title;
    std::string id;    // what the file stores
    std::string name;  // what the document shows: data folder + id
    KeptState kept;
};

class FakeDocuments : public CLanguageSwitchDocuments {
public:
    explicit FakeDocuments(Faults faults) : m_faults(std::move(faults))
    {
        const char* titles[] = {"Quillmar1", "saved.chr", "100%2.chr", "Quillmar2"};
        const KeptState states[] = {{false, false, -1}, {true, false, 3}, {true, true, 0}, {false, true, 7}};
        for (int i = 0; i < 4; ++i)
            documents.push_back(
                {titles[i], "id" + std::to_string(i), "de/id" + std::to_string(i), states[i]});
    }
    std::string DataFolder() const override { return folder; }
    bool LoadData(const std::string& next) override
    {
        folder = next;
        ++dataLoads;
        return next != m_faults.missingData;
    }
    int Count() const override { return static_cast<int>(documents.size()); }
    std::string Title(int index) const override { return documents.at(index).title; }
    KeptState State(int index) const override { return documents.at(index).kept; }
    CharacterSaveResult FileImage(int index, std::string& bytes) override
    {
        ++images;
        if (index == m_faults.image)
            return {false, "No space left on device"};
        bytes = documents.at(index).id;
        return {};
    }
    CharacterLoadResult Reload(int index, const std::string& path) override
    {
        ++reloads;
        const fs::perms others = fs::perms::group_all | fs::perms::others_all;
        privateFolder = privateFolder &&
                        (fs::status(fs::path(path).parent_path()).permissions() & others) == fs::perms::none;
        if (index == m_faults.reload && (folder == "en" || m_faults.restoreToo))
            return {CharacterLoadStatus::Damaged, m_faults.reloadError};
        std::string bytes;
        ReadWholeFile(path, bytes, file_limits::kCharacterFile);
        // A real read binds the document to a file and leaves it unmodified.
        documents.at(index) = {documents.at(index).title, bytes, folder + "/" + bytes, {true, false}};
        return {};
    }
    void Restore(int index, const KeptState& state) override { documents.at(index).kept = state; }

    std::vector<FakeDocument> documents;
    std::string folder = "de";
    int dataLoads = 0, images = 0, reloads = 0;
    bool privateFolder = true;

private:
    Faults m_faults;
};

const std::string kSaveFailed = "Not all Documents could be temporarly saved.\nThis is required for a "
                                "language change.\n\nPlease close all Documents.";

std::string DocumentFailed(const std::string& title, const std::string& reason)
{
    return "The data language could not be changed to \"en\": the document \"" + title +
           "\" could not be loaded back in that language.\n\n" + reason +
           "\n\nAll documents stay open, unchanged, in the language \"de\".";
}

const std::string kDataFailed = "The data language could not be changed to \"en\": its data could not be "
                                "loaded.\n\nAll documents stay open, unchanged, in the language \"de\".";
const std::string kDataFailedGerman =
    "Die Datenbank konnte nicht auf \"en\" umgestellt werden: ihre Daten lie\xC3\x9F"
    "en sich nicht laden.\n\n"
    "Alle Dokumente bleiben unver\xC3\xA4ndert in der Sprache \"de\" offen.";
const std::string kCause = "class number 99 names no class";

struct Case {
    const char* name;
    Faults faults;
    std::string target;
    int dataLoads, images, reloads;  // calls of LoadData, FileImage, Reload
    std::string error;               // empty: switched
    UiLanguage language = UiLanguage::English;
};

TEST(LanguageSwitch, AllOrNothing)
{
    const Case cases[] = {
        {"all succeed", {}, "en", 1, 4, 4, ""},
        {"same language", {}, "de", 0, 0, 0, ""},
        {"first copy fails", {.image = 0}, "en", 0, 1, 0, kSaveFailed},
        {"last copy fails", {.image = 3}, "en", 0, 4, 0, kSaveFailed},
        {"no temporary folder", {.noTemporaryFolder = true}, "en", 0, 0, 0, kSaveFailed},
        {"data missing", {.missingData = "en"}, "en", 2, 4, 4, kDataFailed},
        {"first reload fails", {.reload = 0}, "en", 2, 4, 5, DocumentFailed("Quillmar1", kCause)},
        {"title kept as it is", {.reload = 2}, "en", 2, 4, 7, DocumentFailed("100%2.chr", kCause)},
        // clang-format off
        {"reload cancelled", {.reload = 3, .reloadError = ""}, "en", 2, 4, 8,
         DocumentFailed("Quillmar2", "The load was cancelled.")},
        {"restore fails too", {.reload = 1, .restoreToo = true}, "en", 2, 4, 6,
         DocumentFailed("saved.chr", kCause) + "\n\n\"saved.chr\" could not be restored: " + kCause},
        // clang-format on
        {"German", {.missingData = "en"}, "en", 2, 4, 4, kDataFailedGerman, UiLanguage::German},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TempDataFolder folder;
        const std::string base = folder.PathText() + (c.faults.noTemporaryFolder ? "/gone/away" : "");
        FakeDocuments documents(c.faults);
        const std::vector<FakeDocument> before = documents.documents;

        const LanguageSwitchResult result = SwitchDataLanguage(documents, c.target, base, c.language);

        EXPECT_EQ(result.switched, c.error.empty());
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.dataReloaded, c.dataLoads > 0);
        EXPECT_EQ(documents.dataLoads, c.dataLoads);
        EXPECT_EQ(documents.images, c.images);
        EXPECT_EQ(documents.reloads, c.reloads);
        EXPECT_TRUE(documents.privateFolder);
        const std::string shown = c.error.empty() ? c.target : "de";
        EXPECT_EQ(documents.folder, shown);
        for (std::size_t i = 0; i < before.size(); ++i) {
            const FakeDocument& now = documents.documents[i];
            EXPECT_EQ(now.name, shown + "/" + before[i].id) << i;
            const KeptState& was = before[i].kept;
            EXPECT_EQ(std::tie(now.kept.boundToFile, now.kept.modified, now.kept.savedPoint),
                      std::tie(was.boundToFile, was.modified, was.savedPoint))
                << i;
        }
        EXPECT_TRUE(fs::is_empty(folder.Path()));
    }
}

}  // namespace
