#include "shell/COpenDocuments.h"

#include <string>
#include <utility>

#include "database/CGameDatabase.h"
#include "shell/CCharacterDocument.h"

COpenDocuments::COpenDocuments(CGameDatabase& database,
                               const std::vector<std::unique_ptr<CCharacterDocument>>& documents,
                               CPrompt& prompt, UiLanguage language)
    : m_database(database), m_documents(documents), m_prompt(prompt), m_language(language)
{
}

CCharacterDocument& COpenDocuments::Document(int index) const
{
    return *m_documents.at(static_cast<std::size_t>(index));
}

std::string COpenDocuments::DataFolder() const
{
    return m_database.Folder();
}

bool COpenDocuments::LoadData(const std::string& folder)
{
    m_database.Load(folder);
    return m_database.IsLoaded();
}

int COpenDocuments::Count() const
{
    return static_cast<int>(m_documents.size());
}

std::string COpenDocuments::Title(int index) const
{
    return Document(index).Title().toStdString();
}

CLanguageSwitchDocuments::KeptState COpenDocuments::State(int index) const
{
    const CQuillmarDoc& doc = Document(index).Doc();
    return {doc.IsBoundToFile(), doc.IsModified(), doc.History().SavedPoint()};
}

CharacterSaveResult COpenDocuments::FileImage(int index, std::string& bytes)
{
    CQuillmarDoc& doc = Document(index).Doc();
    // The file stores numbers looked up through the database's selection.
    doc.ActivateSelection();
    return CharacterFileBytes(doc, bytes, m_language);
}

CharacterLoadResult COpenDocuments::Reload(int index, const std::string& path)
{
    return LoadCharacterFile(Document(index).Doc(), path, &m_prompt, m_language);
}

void COpenDocuments::Restore(int index, const KeptState& state)
{
    CQuillmarDoc& doc = Document(index).Doc();
    doc.SetBoundToFile(state.boundToFile);
    // The career plan is keyed by line names, which are the new language's now.
    if (doc.IsCareerMode())
        doc.Recalculate();
    doc.RestoreSavedState(state.savedPoint, state.modified);
    // Compared as the switch wrote it: numbers looked up through this document's selection.
    doc.ActivateSelection();
    std::string image;
    if (!doc.History().IsEmpty() && CharacterFileBytes(doc, image, m_language).ok &&
        image != doc.History().Current()) {
        doc.History().Restart(std::move(image), state.modified);
        ++m_restartedHistories;
    }
    doc.UpdateAllViews(1);
}
