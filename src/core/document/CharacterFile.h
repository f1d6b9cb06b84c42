// Loading and saving characters (*.chr): the conversion between a document and
// the numbers of the file, with the renumbering of older layouts. The names a
// document holds are those of the current data language; the file stores the
// records' numbers, so a file loads with either language.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"

class CPrompt;
class CQuillmarDoc;

enum class CharacterLoadStatus {
    Loaded,
    CannotRead,         // the file could not be opened or read
    NotACharacterFile,  // the magic is wrong
    TooOld,             // a layout older than any this program reads (the user was told)
    Cancelled,          // a file from a newer version, and the user chose not to load it
    Damaged,            // the layout or a number in it is broken
};

struct CharacterLoadResult {
    CharacterLoadStatus status = CharacterLoadStatus::Loaded;
    // Why the load failed, naming the file, in the user-interface language;
    // empty on success and when the user cancelled.
    std::string error;
    // The layout version the file gave (0 when it could not be read).
    std::uint32_t version = 0;

    bool Ok() const { return status == CharacterLoadStatus::Loaded; }
};

// Loads a character into the document, which is replaced completely on
// success and left untouched on failure. Questions and notices about the file's
// version go through the prompt; the error text is for the caller to show.
CharacterLoadResult LoadCharacterFile(CQuillmarDoc& doc, const std::string& path, CPrompt* prompt,
                                      UiLanguage language);
// The same from bytes already in memory; fileName is used in the messages.
CharacterLoadResult LoadCharacterBytes(CQuillmarDoc& doc, std::string_view bytes, const std::string& fileName,
                                       CPrompt* prompt, UiLanguage language);

// Puts the document back into the state of an image this program wrote (an
// undo step): no questions, no version notices; the file binding and the
// modified flag stay as they are. False, and the document untouched, when the
// bytes do not read.
bool RestoreCharacterBytes(CQuillmarDoc& doc, std::string_view bytes);

struct CharacterSaveResult {
    bool ok = true;
    std::string error;  // why it failed, naming the file, in the user-interface language
};

// Writes the document in the current layout. The old file is replaced only
// once the new one is completely on disk; on failure the document stays
// modified and unbound as it was.
CharacterSaveResult SaveCharacterFile(CQuillmarDoc& doc, const std::string& path, UiLanguage language);
// The bytes a save would write; fails (with the reason) when the document
// holds something the layout cannot store.
CharacterSaveResult CharacterFileBytes(const CQuillmarDoc& doc, std::string& bytes, UiLanguage language);

// The questions and warnings a load shows about the file's program version.
enum class FileVersionMessage { FromNewerVersion, TooOld, FromOlderVersion };
std::string_view FileVersionText(FileVersionMessage message, UiLanguage language);
