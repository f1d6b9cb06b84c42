#include "database/DbResult.h"

namespace {

struct ResultTexts {
    const char* german;
    const char* english;
};

// The texts are the program's own, spelling included; data maintainers know them.
constexpr ResultTexts kTexts[] = {
    {"", ""},
    {"Eine Datei wurde nicht gefunden:", "File not fount:"},
    {"Ein Realm konnte nicht identifiziert werden oder ist falsch zugeordnet.", "A realm name couldn't be read."},
    {"Ein nicht erwarteter Wert wurde versucht zu lesen.", "A unexspectet value found."},
    {"Ein Style wurde nicht gefunden.", "Unknown style."},
    {"Unbekannte Spell-Line", "Unknown Spell-Line"},
    {"Unbekannter Zauberspruch", "Unkown spell"},
    {"Unbekannte Spellkategorie ", "Unknown spell-category"},
    {"Unbekannte Character Klasse.", "Unknown character class"},
    {"Unbekannte RA", "Unknown RA"},
    {"Unbekannte Rasse.", "Unknown race"},
    {"Unbekannte Style-Line", "Unknown Style-Line"},
};
constexpr ResultTexts kOtherError = {"Es ist ein Fehler aufgetreten.", "Unknown error"};

}  // namespace

std::string DbResultText(int code, UiLanguage language)
{
    const ResultTexts& texts =
        (code >= 0 && code < static_cast<int>(std::size(kTexts))) ? kTexts[code] : kOtherError;
    return language == UiLanguage::German ? texts.german : texts.english;
}
