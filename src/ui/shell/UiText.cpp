#include "shell/UiText.h"

#include <array>

namespace {

struct UiTextEntry {
    int id;
    std::string_view german;
    std::string_view english;
};

constexpr std::array kTexts = {
    // Main window, menus, start-up, language switch (1000-1199).
    UiTextEntry{ui_text::kMenuFile, "&Datei", "&File"},
    UiTextEntry{ui_text::kMenuNew, "&Neu", "&New"},
    UiTextEntry{ui_text::kMenuOpenNoDocument, "Ö&ffnen...", "O&pen..."},
    UiTextEntry{ui_text::kMenuOpen, "Ö&ffnen...", "&Open..."},
    UiTextEntry{ui_text::kMenuPreferencesNoDocument, "&Einstellungen...", "&Preferences..."},
    UiTextEntry{ui_text::kMenuPreferences, "&Einstellungen...", "P&references..."},
    UiTextEntry{ui_text::kMenuClose, "&Schließen", "&Close"},
    UiTextEntry{ui_text::kMenuQuit, "&Beenden", "&Quit"},
    UiTextEntry{ui_text::kMenuSave, "&Speichern", "&Save"},
    UiTextEntry{ui_text::kMenuSaveAs, "Speichern &unter...", "Save &as..."},
    UiTextEntry{ui_text::kMenuPrint, "&Drucken", "&Print"},
    UiTextEntry{ui_text::kMenuPrintPreview, "Druck&voransicht", "Print pre&view"},
    UiTextEntry{ui_text::kMenuPrinterSetup, "Drucker ein&richten...", "Printer se&tup..."},
    UiTextEntry{ui_text::kMenuRecentFile, "Letzte Datei", "Recent File"},
    UiTextEntry{ui_text::kMenuDatabase, "Date&nbank", "&Database"},
    UiTextEntry{ui_text::kMenuGerman, "&Deutsch", "&German"},
    UiTextEntry{ui_text::kMenuEnglish, "&English", "&English"},
    UiTextEntry{ui_text::kMenuView, "&Ansicht", "&View"},
    UiTextEntry{ui_text::kMenuToolBar, "&Symbolleiste", "&Symbolbar"},
    UiTextEntry{ui_text::kMenuStatusBar, "Status&leiste", "Status&bar"},
    UiTextEntry{ui_text::kMenuWindow, "&Fenster", "&Window"},
    UiTextEntry{ui_text::kMenuNewWindow, "&Neues Fenster", "&New Fenster"},
    UiTextEntry{ui_text::kMenuCascade, "Ü&berlappend", "O&verlap"},
    UiTextEntry{ui_text::kMenuTile, "&Nebeneinander", "&Tiled"},
    UiTextEntry{ui_text::kMenuArrangeIcons, "&Symbole anordnen", "&Symbole order"},
    UiTextEntry{ui_text::kMenuHelp, "&Hilfe", "&Help"},
    UiTextEntry{ui_text::kMenuAbout, "&Info über Quillmar...", "&About Quillmar..."},
    UiTextEntry{ui_text::kMenuCopyShareCode, "Share-&Code kopieren", "Copy S&hare Code"},
    UiTextEntry{ui_text::kMenuOpenShareCode, "Share-C&ode öffnen...", "Open Share Co&de..."},
    UiTextEntry{ui_text::kShareCodeLabel, "Share-Code (QM1:...):", "Share code (QM1:...):"},
    UiTextEntry{ui_text::kMenuCompare, "&Vergleichen...", "C&ompare..."},
    UiTextEntry{ui_text::kCompareTitle, "Charaktere vergleichen", "Compare characters"},
    UiTextEntry{ui_text::kCompareValue, "Wert", "Value"},
    UiTextEntry{ui_text::kCompareFromFile, "Aus Datei...", "From file..."},
    UiTextEntry{ui_text::kShareCodeCopied, "Der Share-Code ist in der Zwischenablage.", "The share code is on the clipboard."},
    UiTextEntry{ui_text::kApplicationTitle, "Quillmar", "Quillmar"},
    UiTextEntry{ui_text::kCaptionError, "Error", "Error"},
    UiTextEntry{ui_text::kSaveChangesQuestion, "Änderungen an %1 speichern?", "Save changes to %1?"},
    UiTextEntry{ui_text::kAboutCaption, "Info über Quillmar", "About Quillmar"},
    UiTextEntry{ui_text::kAboutText, "Quillmar\nVersion %1", "Quillmar\nVersion %1"},
    UiTextEntry{ui_text::kVersionUnknown, "UNKNWON", "UNKNWON"},
    UiTextEntry{ui_text::kFileFilter, "Char-File (*.chr)", "Char-File (*.chr)"},
    UiTextEntry{ui_text::kOpenDialogTitle, "Öffnen", "Open"},
    UiTextEntry{ui_text::kSaveAsDialogTitle, "Speichern unter", "Save As"},
    UiTextEntry{ui_text::kStatusReady, "Bereit", "Ready"},
    UiTextEntry{ui_text::kToolBarTitle, "Symbolleiste", "Toolbar"},
    UiTextEntry{ui_text::kArgumentFile, "Charakterdatei (*.chr), die geöffnet wird.", "Character file (*.chr) to open."},
    UiTextEntry{ui_text::kArgumentLanguage, "Sprache der Oberfläche: de oder en.", "User-interface language: de or en."},
    UiTextEntry{ui_text::kArgumentDataRoot, "Ordner mit den Datenordnern de und en.",
                "Folder that holds the data folders de and en."},
    UiTextEntry{ui_text::kArgumentBadLanguage, "Unbekannte Sprache \"%1\" (de oder en).",
                "Unknown language \"%1\" (de or en)."},
    UiTextEntry{ui_text::kArgumentTooMany, "Es kann nur eine Datei geöffnet werden.", "Only one file can be opened."},
    UiTextEntry{ui_text::kProgramDescription, "Charakterplaner für Velkara.", "Character planner for Velkara."},
    // -- end of main window texts
    // Character view header and tabs (150-155 header tooltips, 1200-1299).
    UiTextEntry{ui_text::kViewTipRealm, "Reich", "Realm"},
    UiTextEntry{ui_text::kViewTipClass, "Charakter Klasse", "Character class"},
    UiTextEntry{ui_text::kViewTipRace, "Charakter Rasse", "Character race"},
    UiTextEntry{ui_text::kViewTipLevel,
                "<al_c><b>Charakter Level</b><br><hr=100%><br>Bestimmt verfügbare Skillpunkte und Non-Spec Spells",
                "<al_c><b>Character level</b><br><hr=100%><br>Skillpoint and non-spec spells depends on that."},
    UiTextEntry{ui_text::kViewTipRealmRank, "<al_c><b>Reichsrang</b><br><hr=100%><br>Bestimmt RR-Punkte",
                "<al_c><b>Realmrang</b><br><hr=100%><br>RR-Point depends on that."},
    UiTextEntry{ui_text::kViewTipCareer,
                "Wechseln zwischen Karrier und single Skill Modus\nIm Karrieremodus kann für jedes Level\neine "
                "Skillung festgelegt werden.",
                "Switch beteewn carrer and single-skill mode\nIn carrer-mode you can setup specs\nfor every level."},
    UiTextEntry{ui_text::kViewCareerMode, "Karriere Modus", "Career mode"},
    UiTextEntry{ui_text::kViewSnap, "Snap", "Snap"},
    UiTextEntry{ui_text::kViewDel, "Del", "Del"},
    UiTextEntry{ui_text::kViewCoopServer, "Coop-Server", "Coop-Server"},
    UiTextEntry{ui_text::kViewLevelName, "Level", "Level"},
    UiTextEntry{ui_text::kViewRealmRankName, "Reichsrang", "Realm rank"},
    UiTextEntry{ui_text::kViewRealmPointsName, "Reichspunkte", "Realm points"},
    UiTextEntry{ui_text::kViewTabFirst + 0, "Stats", "Stats"},
    UiTextEntry{ui_text::kViewTabFirst + 1, "Skills", "Skills"},
    UiTextEntry{ui_text::kViewTabFirst + 2, "Spells", "Spells"},
    UiTextEntry{ui_text::kViewTabFirst + 3, "Styles", "Styles"},
    UiTextEntry{ui_text::kViewTabFirst + 4, "RA", "RA"},
    UiTextEntry{ui_text::kViewTabFirst + 5, "RA NF", "RA NF"},
    UiTextEntry{ui_text::kViewTabFirst + 6, "MaLevel", "MaLevel"},
    UiTextEntry{ui_text::kViewTabFirst + 7, "Calc", "Calc"},
    UiTextEntry{ui_text::kViewTabFirst + 8, "Resis", "Resis"},
    // -- end of view texts
    // Preferences dialog (1300-1399).
    UiTextEntry{ui_text::kOptionsTitle, "Options", "Options"},
    UiTextEntry{ui_text::kOptionsToolTipsGroup, "Tool Tips", "Tool Tips"},
    UiTextEntry{ui_text::kOptionsDelayLabel, "Verzögerung", "Description delay"},
    UiTextEntry{ui_text::kOptionsUiTooltips, "User-Interface Tooltips", "User-Interface Tooltips"},
    UiTextEntry{ui_text::kOptionsSaveModified, "'Änderungen speichern' Dialog beim beenden",
                "Ask: \"save modified ?\" on close"},
    UiTextEntry{ui_text::kOptionsShowOldRas, "Zeige alte Realm Abilities", "Show old Realm Abilities"},
    UiTextEntry{ui_text::kOptionsShowExperimental, "Zeige experimentelle Seiten", "Show experimental pages"},
    UiTextEntry{ui_text::kOptionsSaveSelection, "Speichern der letzten Auswahl", "Save last selection"},
    UiTextEntry{ui_text::kOptionsDefaultDb, "Haupt DB:", "Default DB:"},
    UiTextEntry{ui_text::kOptionsGerman, "Deutsch", "Deutsch"},
    UiTextEntry{ui_text::kOptionsEnglish, "English", "English"},
    UiTextEntry{ui_text::kOptionsDefaultButton, "Voreinstellung", "Default"},
    UiTextEntry{ui_text::kOptionsOk, "OK", "OK"},
    UiTextEntry{ui_text::kOptionsCancel, "Abbrechen", "Cancel"},
    // -- end of preferences texts
    // Base stats page (1400-1499).
    UiTextEntry{ui_text::kStatsPageTitle, "Basiswerte Planer", "Base-Stats plan"},
    UiTextEntry{ui_text::kStatsHitPoints, "Trefferpunkte bei Lvl 50", "Hitpoints at Level 50"},
    UiTextEntry{ui_text::kStatsHitPointsCaption, "nicht offiziel - Fehler können auftreten",
                "not official - Errors can occur"},
    UiTextEntry{ui_text::kStatsStrength + 0, "Stärke", "Strength"},
    UiTextEntry{ui_text::kStatsStrength + 1, "Konstitution", "Constitution"},
    UiTextEntry{ui_text::kStatsStrength + 2, "Geschicklichkeit", "Dexterity"},
    UiTextEntry{ui_text::kStatsStrength + 3, "Schnelligkeit", "Quickness"},
    UiTextEntry{ui_text::kStatsStrength + 4, "Intelligenz", "Intelligence"},
    UiTextEntry{ui_text::kStatsStrength + 5, "Frömmigkeit", "Piety"},
    UiTextEntry{ui_text::kStatsStrength + 6, "Empathie", "Empathy"},
    UiTextEntry{ui_text::kStatsStrength + 7, "Charisma", "Charisma"},
    UiTextEntry{ui_text::kStatsBase, "Basis", "Base"},
    UiTextEntry{ui_text::kStatsAtLevel, "Auf Level", "At Level"},
    UiTextEntry{ui_text::kStatsWithRealmAbilities, "Inkl. RAs", "Incl. RAs"},
    UiTextEntry{ui_text::kStatsSpent, "Punkte", "Points"},
    UiTextEntry{ui_text::kStatsFreePoints, "Freie Punkte", "Free points"},
    UiTextEntry{ui_text::kStatsAbilityLevel, "Level", "Level"},
    UiTextEntry{ui_text::kStatsAbilityTrain, "Train", "Train"},
    UiTextEntry{ui_text::kStatsAbilityName, "Name", "Name"},
    // -- end of stats page texts
    // Skills page (1500-1599).
    UiTextEntry{ui_text::kSkillsPageTitle, "Skillung Planer", "Skill plan"},
    UiTextEntry{ui_text::kSkillsColumnName, "Name", "Name"},
    UiTextEntry{ui_text::kSkillsColumnLevel, "Level", "Level"},
    UiTextEntry{ui_text::kSkillsColumnSkill, "Skill", "Skill"},
    UiTextEntry{ui_text::kSkillsColumnAutoTrain, "Auto Train", "Auto Train"},
    UiTextEntry{ui_text::kSkillsDetailName, "name", "name"},
    UiTextEntry{ui_text::kSkillsDetailValue, "val", "val"},
    UiTextEntry{ui_text::kSkillsUsed, "Benutzt", "Used"},
    UiTextEntry{ui_text::kSkillsSkillPoints, "Skillpunkte", "Skillpoints"},
    UiTextEntry{ui_text::kSkillsRestPoints, "Restpunkte", "Restpoints"},
    UiTextEntry{ui_text::kSkillsSpecialPoints, "Sonderpunkte", "Specialpoints"},
    UiTextEntry{ui_text::kSkillsRespec, "Respec", "Respec"},
    // -- end of skills page texts
    // Auto-train field and dialog, respec dialog (1600-1699).
    UiTextEntry{ui_text::kAutoTrainTitle, "Autotrain", "Autotrain"},
    UiTextEntry{ui_text::kAutoTrainExplanation,
                "Einige Klassen haben Auto-train-Linien. Diese Linien werden auf ein minimum Level gehalten, wenn "
                "der Charakter einen bestimmten Level erreicht. Dieser Minimum Level kostet keinen "
                "Spezialisierungspunkte.",
                "Some classes have abilities that autotrain. These abilities will advance to a minimum skill "
                "level, if they are trained to a lesser degree when the character attains the given level. This "
                "advancement does not cost any specialization points. "},
    UiTextEntry{ui_text::kAutoTrainSkillLabel, "Skill:", "Skill:"},
    UiTextEntry{ui_text::kAutoTrainLevelLabel, "Level:", "Level:"},
    UiTextEntry{ui_text::kAutoTrainShiftHint, "( SHIFT um Bereiche zu markieren )", "(use SHIFT to mark all)"},
    UiTextEntry{ui_text::kAutoTrainShortLabel, "Kurz:", "Short:"},
    UiTextEntry{ui_text::kAutoTrainDescriptionLabel, "Beschreibung:", "Description:"},
    UiTextEntry{ui_text::kAutoTrainOk, "OK", "OK"},
    UiTextEntry{ui_text::kAutoTrainCancel, "Abbrechen", "Cancel"},
    UiTextEntry{ui_text::kAutoTrainFieldName, "Autotrain", "Auto train"},
    UiTextEntry{ui_text::kAutoTrainButtonTip, "Autotrain-Stufen wählen (F4)", "Choose the auto-train steps (F4)"},
    UiTextEntry{ui_text::kAutoTrainStepBoxName, "Skill %1", "Skill %1"},
    UiTextEntry{ui_text::kRespecTitle, "Respec", "Respec"},
    UiTextEntry{ui_text::kRespecFull, "Voll Respec", "Full respec"},
    UiTextEntry{ui_text::kRespecFullNote, "(Voll-Respec-Stein)", "(Full-Respec-Stone)"},
    UiTextEntry{ui_text::kRespecLine, "Line Respec", "Line Respec"},
    UiTextEntry{ui_text::kRespecLineNote, "(Line-Respec-Stein oder bei Level 20/40)",
                "(Line-Respec-Stone or Level 20/40)"},
    UiTextEntry{ui_text::kRespecWarning, "Der Character ist derzeit nicht Level 20 oder 40.\nSie benötigen einen "
                "Respec-Stein.", "This character is not Level 20 or 40.\nYou'll need a respec-stone."},
    UiTextEntry{ui_text::kRespecResetsToOne, "Ein Respec setzt die verteilten Punkte zurück auf 1.",
                "A repsec resets all skills to 1."},
    UiTextEntry{ui_text::kRespecAutoTrainRefill,
                "Falls eine Linie eine Autotrain-linie ist, wird diese wieder auf das minimum Level gesetz.",
                "If a line is 'auto-train' it will be refilled to the current minimum level."},
    UiTextEntry{ui_text::kRespecLineListName, "Linien", "Lines"},
    // -- end of auto-train and respec texts
    // Spells page (1700-1799).
    UiTextEntry{ui_text::kSpellsPageTitle, "Zaubersprüche / Fähigkeiten Übersicht", "Spells overview"},
    UiTextEntry{ui_text::kSpellsShowAll, "Alle Spells", "All spells"},
    UiTextEntry{ui_text::kSpellsOnlyTop, "nur Top-Spells", "Only top-spells"},
    UiTextEntry{ui_text::kSpellsTypeAsName, "Typ als Name zeigen", "Show typ as name"},
    // -- end of spells page texts
    // Styles page (1800-1899).
    UiTextEntry{ui_text::kStylesPageTitle, "Styles Übersicht", "Styles overview"},
    UiTextEntry{ui_text::kStylesShowAll, "Alle Styles", "All styles"},
    UiTextEntry{ui_text::kStylesLineFilter, "Stil-Linie", "Style line"},
    UiTextEntry{ui_text::kStylesOpeningFilter, "Öffnung", "Opening"},
    UiTextEntry{ui_text::kStylesDetail, "Beschreibung des Styles", "Style description"},
    // -- end of styles page texts
    // Master levels page (2600-2699).
    UiTextEntry{ui_text::kMasterLevelsPageTitle, "Master-Level Übersicht", "Master levels"},
    UiTextEntry{ui_text::kMasterLevelsFirstTrack, "Erster Pfad", "First track"},
    UiTextEntry{ui_text::kMasterLevelsSecondTrack, "Zweiter Pfad", "Second track"},
    UiTextEntry{ui_text::kMasterLevelsLevel, "Master-Level", "Master level"},
    UiTextEntry{ui_text::kMasterLevelsFirstList, "Stufen des ersten Pfads", "Levels of the first track"},
    UiTextEntry{ui_text::kMasterLevelsSecondList, "Stufen des zweiten Pfads", "Levels of the second track"},
    UiTextEntry{ui_text::kMasterLevelsDescription, "Beschreibung", "Description"},
    UiTextEntry{ui_text::kMasterLevelsTrackButton, "Wechselt zwischen den beiden Pfaden",
                "Switches between the two tracks"},
    // -- end of master levels page texts
    // Character sheet printing (2700-2799).
    UiTextEntry{ui_text::kMenuExportPdf, "Als PDF e&xportieren...", "E&xport as PDF..."},
    UiTextEntry{ui_text::kPrintNoPrinter, "Kein Drucker gefunden.", "No printer found."},
    UiTextEntry{ui_text::kPrintOptionsTitle, "Druckoptionen", "Print options"},
    UiTextEntry{ui_text::kPrintStylesGroup, "Styles", "Styles"},
    UiTextEntry{ui_text::kPrintNoStyles, "Keine Styles drucken", "Leave the styles out"},
    UiTextEntry{ui_text::kPrintAllStyles, "Alle Styles", "All styles"},
    UiTextEntry{ui_text::kPrintStyleSort, "Sortierung", "Order"},
    UiTextEntry{ui_text::kPrintSortLineLevel, "Nach Linie und Level", "By line, then level"},
    UiTextEntry{ui_text::kPrintSortLinePreceding, "Nach Linie und Vorstyle", "By line, then preceding style"},
    UiTextEntry{ui_text::kPrintSortLevel, "Nur nach Level", "By level only"},
    UiTextEntry{ui_text::kPrintSortPrerequisite, "Nach Vorbedingung", "By prerequisite"},
    UiTextEntry{ui_text::kPrintSpellsGroup, "Spells", "Spells"},
    UiTextEntry{ui_text::kPrintNoSpells, "Keine Spells drucken", "Leave the spells out"},
    UiTextEntry{ui_text::kPrintAllSpells, "Alle Spells", "All spells"},
    UiTextEntry{ui_text::kPrintSpellDescriptions, "Spell-Beschreibungen drucken", "Print spell descriptions"},
    UiTextEntry{ui_text::kPrintRealmAbilitiesGroup, "Realm-Abilities", "Realm abilities"},
    UiTextEntry{ui_text::kPrintNoRealmAbilities, "Keine RAs drucken", "Leave the realm abilities out"},
    UiTextEntry{ui_text::kPrintAllRealmAbilities, "Alle RAs", "All realm abilities"},
    UiTextEntry{ui_text::kPrintPdfFailed, "Die PDF-Datei %1 konnte nicht geschrieben werden:\n%2", "The PDF file %1 could not be written:\n%2"},
    UiTextEntry{ui_text::kPrintPdfFilter, "PDF-Dateien (*.pdf)", "PDF files (*.pdf)"},
    UiTextEntry{ui_text::kArgumentExportPdf, "Schreibt den Charakterbogen der Datei als PDF und beendet sich, ohne ein Fenster zu zeigen.", "Writes the file's character sheet as PDF and exits without showing a window."},
    UiTextEntry{ui_text::kArgumentData, "Spieldaten: de oder en (sonst die Einstellung).", "Game data: de or en (else the setting)."},
    UiTextEntry{ui_text::kArgumentExportNeedsFile, "--export-pdf braucht genau eine Charakterdatei.", "--export-pdf needs exactly one character file."},
    UiTextEntry{ui_text::kArgumentBadData, "Unbekannte Spieldaten: %1 (de oder en).", "Unknown game data: %1 (de or en)."},
    UiTextEntry{ui_text::kPrintDataFailed, "Die Spieldaten konnten nicht geladen werden.", "The game data could not be loaded."},
    UiTextEntry{ui_text::kArgumentSetting, "Überschreibt eine Einstellung für diesen Export (z. B. PrintAllSpells=1).", "Overrides a setting for this export (for example PrintAllSpells=1)."},
    UiTextEntry{ui_text::kArgumentBadSetting, "Keine Einstellung der Form KEY=ZAHL: %1", "Not a setting of the form KEY=NUMBER: %1"},
    // -- end of printing texts
    // Calculations page (2400-2499). The two lines above the table are German in both languages.
    UiTextEntry{ui_text::kCalcPageTitle, "Berechnungen", "Calculations"},
    UiTextEntry{ui_text::kCalcTestPage, "DIES IST DEZEIT EINE REINE TESTSEITE", "DIES IST DEZEIT EINE REINE TESTSEITE"},
    UiTextEntry{ui_text::kCalcFormulaNote,
                "Es gibt keine offiziellen Formel. Die Formeln auf dieser Seite sind in der Datei 'Calc.lua'.",
                "Es gibt keine offiziellen Formel. Die Formeln auf dieser Seite sind in der Datei 'Calc.lua'."},
    UiTextEntry{ui_text::kCalcTableName, "Ergebnisse des Scripts", "Script results"},
    UiTextEntry{ui_text::kCalcLogName, "Script-Protokoll", "Script log"},
    // -- end of calculations page texts
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
