#include "document/LanguageSwitch.h"

#include <stdlib.h>  // mkdtemp

#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/FileIo.h"

namespace {

struct SwitchText {
    std::string_view german;
    std::string_view english;
};

constexpr SwitchText kTemporarySaveFailed{"Not all Documents could be temporarly saved.\nThis is required "
                                          "for a language change.\n\nPlease close all "
                                          "Documents.",
                                          "Not all Documents could be temporarly saved.\nThis is required "
                                          "for a language change.\n\nPlease close all "
                                          "Documents."};
// %1 the language asked for, %2 the document, %3 why, %4 the language kept.
constexpr SwitchText kDocumentReloadFailed{
    "Die Datenbank konnte nicht auf \"%1\" umgestellt werden: das Dokument \"%2\" ließ sich in dieser "
    "Sprache "
    "nicht wieder laden.\n\n%3\n\nAlle Dokumente bleiben unverändert in der Sprache \"%4\" offen.",
    "The data language could not be changed to \"%1\": the document \"%2\" could not be loaded back in that "
    "language.\n\n%3\n\nAll documents stay open, unchanged, in the language \"%4\"."};
// %1 the language asked for, %2 the language kept.
constexpr SwitchText kDataLoadFailed{
    "Die Datenbank konnte nicht auf \"%1\" umgestellt werden: ihre Daten ließen sich nicht laden.\n\nAlle "
    "Dokumente bleiben unverändert in der Sprache \"%2\" offen.",
    "The data language could not be changed to \"%1\": its data could not be loaded.\n\nAll documents stay "
    "open, unchanged, in the language \"%2\"."};
constexpr SwitchText kRestoreFailed{"\"%1\" konnte nicht wiederhergestellt werden: %2",
                                    "\"%1\" could not be restored: %2"};
constexpr SwitchText kLoadCancelled{"Das Laden wurde abgebrochen.", "The load was cancelled."};

std::string_view In(UiLanguage language, const SwitchText& text)
{
    return language == UiLanguage::German ? text.german : text.english;
}

// Puts the arguments in for %1, %2, ... in one pass, so that a title holding
// "%2" stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number =
            i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (pattern[i] == '%' && i + 1 < pattern.size() && number < arguments.size()) {
            text += *(arguments.begin() + number);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// A folder only its owner can enter, with a name nobody else can take; it
// goes with everything in it when the object does.
class PrivateFolder {
public:
    explicit PrivateFolder(const std::string& base)
    {
        std::string pattern = base + "/quillmar-language-XXXXXX";
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~PrivateFolder()
    {
        std::error_code error;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, error);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool IsValid() const { return !m_path.empty(); }
    std::string FilePath(int index) const { return m_path + "/~" + std::to_string(index + 1) + ".chr"; }

private:
    std::string m_path;
};

}  // namespace

LanguageSwitchResult SwitchDataLanguage(CLanguageSwitchDocuments& documents, const std::string& folder,
                                        const std::string& temporaryBase, UiLanguage language)
{
    const std::string oldFolder = documents.DataFolder();
    if (folder == oldFolder)
        return {true, false, {}};

    const PrivateFolder temporary(temporaryBase);
    const int count = documents.Count();
    std::vector<CLanguageSwitchDocuments::KeptState> kept;
    bool allSaved = temporary.IsValid();
    for (int i = 0; allSaved && i < count; ++i) {
        kept.push_back(documents.State(i));
        std::string bytes;
        allSaved = documents.FileImage(i, bytes).ok && WriteFileReplacing(temporary.FilePath(i), bytes).ok;
    }
    if (!allSaved)
        return {false, false, std::string(In(language, kTemporarySaveFailed))};

    std::string error;
    if (!documents.LoadData(folder)) {
        error = Fill(In(language, kDataLoadFailed), {folder, oldFolder});
    } else {
        for (int i = 0; i < count; ++i) {
            const CharacterLoadResult loaded = documents.Reload(i, temporary.FilePath(i));
            if (!loaded.Ok()) {
                const std::string reason =
                    loaded.error.empty() ? std::string(In(language, kLoadCancelled)) : loaded.error;
                error = Fill(In(language, kDocumentReloadFailed),
                             {folder, documents.Title(i), reason, oldFolder});
                break;
            }
        }
    }

    if (!error.empty()) {
        // Back to the old data; the same copies bring every document back
        // (one that failed to read was left as it was by the reader).
        documents.LoadData(oldFolder);
        std::string restoreFailures;
        for (int i = 0; i < count; ++i) {
            const CharacterLoadResult restored = documents.Reload(i, temporary.FilePath(i));
            if (!restored.Ok())
                restoreFailures +=
                    "\n" + Fill(In(language, kRestoreFailed), {documents.Title(i), restored.error});
        }
        if (!restoreFailures.empty())
            error += "\n" + restoreFailures;
    }

    for (int i = 0; i < count; ++i)
        documents.Restore(i, kept[static_cast<std::size_t>(i)]);
    return {error.empty(), true, error};
}
