#include "common/UiText.h"

#include <array>

namespace {

struct UiTextEntry {
    int id;
    std::string_view german;
    std::string_view english;
};

constexpr std::array kTexts = {
    UiTextEntry{ui_text::kFileFromNewerVersion,
                "Diese Datei wurde mit einer neueren Version erzeugt.\nSie können Versuchen diese Datei zu laden, "
                "allerdings kann dies zu nicht absehbaren Fehlern führen.",
                "This file was created by a newer version.\nYou should update you Quillmar.exe.\nLoading this file "
                "will lead into a unknown program-state.\nLoad anyway?"},
    UiTextEntry{ui_text::kFileTooOld,
                "Diese Datei wurde mit einer sehr altern Programm Version erzeugt.\nDiese Version kann leider nicht "
                "mehr geladen werden.",
                "This file was created by a realy old program version.\nIt's not possible to load it."},
    UiTextEntry{ui_text::kFileFromOlderVersion,
                "Diese Datei wurde mit einer älteren Programmversion erzeugt.\nSie sollten diese Datei erneut "
                "speicher, da diese Version ggf. später nicht mehr Unterstützt wird.",
                "This file was created by an old program version.\nYou should re-save it to keep combatible with "
                "further version."},
};

}  // namespace

std::string_view UiText(int id, UiLanguage language)
{
    for (const UiTextEntry& entry : kTexts) {
        if (entry.id == id)
            return language == UiLanguage::German ? entry.german : entry.english;
    }
    return {};
}
