// Changing the data language with characters open. A document holds the names
// of the current language, so every open document is carried over through its
// file image (which stores numbers): each is written to a private temporary
// folder, the game data is loaded in the other language, and each document is
// read back from its copy. The switch is all or nothing: when a copy cannot be
// written nothing has changed yet, and when the data or a document cannot be
// read in the new language, the old data comes back and every document is read
// back from its copy again. Every document keeps its file binding and modified
// flag; title and path are not the reader's to change.
#pragma once

#include <cstdint>
#include <string>

#include "common/UiLanguage.h"
#include "document/CharacterFile.h"

// The open documents and the game data, as the switch sees them. The shell
// implements it over its windows' documents and its database.
class CLanguageSwitchDocuments {
public:
    // What reading a copy back changes and the switch puts back.
    struct KeptState {
        bool boundToFile = false;
        bool modified = false;
        // The undo history's saved point (CUndoHistory::SavedPoint): the
        // history itself survives, as its states are file images too.
        std::int64_t savedPoint = -1;
    };

    virtual ~CLanguageSwitchDocuments() = default;

    virtual std::string DataFolder() const = 0;
    // Replaces the game data with that of a language folder. False when there
    // is none to use (the reason has been shown already).
    virtual bool LoadData(const std::string& folder) = 0;

    virtual int Count() const = 0;
    // The document's name in messages (UTF-8).
    virtual std::string Title(int index) const = 0;
    virtual KeptState State(int index) const = 0;
    // The bytes a save of the document would write; the document stays as it is.
    virtual CharacterSaveResult FileImage(int index, std::string& bytes) = 0;
    // Replaces the document by the character in the file, read with the
    // current data; a failed read leaves the document as it was.
    virtual CharacterLoadResult Reload(int index, const std::string& path) = 0;
    // After the last read: the kept state goes back, derived values are
    // computed again and the document's views rebuild.
    virtual void Restore(int index, const KeptState& state) = 0;
};

struct LanguageSwitchResult {
    // The data is in the folder asked for.
    bool switched = false;
    // The data was loaded again (in either language): views show new names.
    bool dataReloaded = false;
    // For the user (UTF-8); empty when the switch went through.
    std::string error;
};

// Switches the data to the folder ("de" or "en"); the same folder as now does
// nothing. The temporary folder is made below temporaryBase, readable by the
// owner only, and is gone with everything in it on return.
LanguageSwitchResult SwitchDataLanguage(CLanguageSwitchDocuments& documents, const std::string& folder,
                                        const std::string& temporaryBase, UiLanguage language);
