// The application's open documents and its database, as the data-language
// switch sees them.
#pragma once

#include <memory>
#include <vector>

#include "document/LanguageSwitch.h"

class CCharacterDocument;
class CGameDatabase;
class CPrompt;

class COpenDocuments : public CLanguageSwitchDocuments {
public:
    COpenDocuments(CGameDatabase& database, const std::vector<std::unique_ptr<CCharacterDocument>>& documents,
                   CPrompt& prompt, UiLanguage language);

    std::string DataFolder() const override;
    bool LoadData(const std::string& folder) override;
    int Count() const override;
    std::string Title(int index) const override;
    KeptState State(int index) const override;
    CharacterSaveResult FileImage(int index, std::string& bytes) override;
    CharacterLoadResult Reload(int index, const std::string& path) override;
    void Restore(int index, const KeptState& state) override;
    // Documents whose undo history had to start over: read back, the
    // character's image was not the one the history ended with.
    int RestartedHistories() const { return m_restartedHistories; }

private:
    CCharacterDocument& Document(int index) const;

    CGameDatabase& m_database;
    const std::vector<std::unique_ptr<CCharacterDocument>>& m_documents;
    CPrompt& m_prompt;
    UiLanguage m_language;
    int m_restartedHistories = 0;
};
