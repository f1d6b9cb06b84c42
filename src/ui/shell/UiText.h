// The program's own texts (message boxes, menus, labels) in German and English,
// looked up by their string id. UTF-8.
#pragma once

#include <string_view>

#include "common/UiLanguage.h"

namespace ui_text {
// Main window, menus, start-up, language switch (1000-1199).
constexpr int kMenuFile = 1000;
constexpr int kMenuNew = 1001;
constexpr int kMenuOpenNoDocument = 1002;
constexpr int kMenuOpen = 1003;
constexpr int kMenuPreferencesNoDocument = 1004;
constexpr int kMenuPreferences = 1005;
constexpr int kMenuClose = 1006;
constexpr int kMenuQuit = 1007;
constexpr int kMenuSave = 1008;
constexpr int kMenuSaveAs = 1009;
constexpr int kMenuPrint = 1010;
constexpr int kMenuPrintPreview = 1011;
constexpr int kMenuPrinterSetup = 1012;
constexpr int kMenuRecentFile = 1013;
constexpr int kMenuDatabase = 1014;
constexpr int kMenuGerman = 1015;
constexpr int kMenuEnglish = 1016;
constexpr int kMenuView = 1017;
constexpr int kMenuToolBar = 1018;
constexpr int kMenuStatusBar = 1019;
constexpr int kMenuWindow = 1020;
constexpr int kMenuNewWindow = 1021;
constexpr int kMenuCascade = 1022;
constexpr int kMenuTile = 1023;
constexpr int kMenuArrangeIcons = 1024;
constexpr int kMenuHelp = 1025;
constexpr int kMenuAbout = 1026;
constexpr int kMenuCopyShareCode = 1027;
constexpr int kMenuOpenShareCode = 1028;
constexpr int kShareCodeLabel = 1029;
constexpr int kShareCodeCopied = 1030;
constexpr int kMenuCompare = 1031;
constexpr int kCompareTitle = 1032;
constexpr int kCompareValue = 1033;
constexpr int kCompareFromFile = 1034;
constexpr int kApplicationTitle = 1040;
constexpr int kCaptionError = 1041;
constexpr int kSaveChangesQuestion = 1045;
constexpr int kAboutCaption = 1046;
constexpr int kAboutText = 1047;
constexpr int kVersionUnknown = 1048;
constexpr int kFileFilter = 1049;
constexpr int kOpenDialogTitle = 1050;
constexpr int kSaveAsDialogTitle = 1051;
constexpr int kStatusReady = 1052;
constexpr int kToolBarTitle = 1053;
constexpr int kArgumentFile = 1060;
constexpr int kArgumentLanguage = 1061;
constexpr int kArgumentDataRoot = 1062;
constexpr int kArgumentBadLanguage = 1063;
constexpr int kArgumentTooMany = 1064;
constexpr int kProgramDescription = 1065;
// -- end of main window ids
// Character view header and tabs (150-155 header tooltips, 1200-1299).
constexpr int kViewTipRealm = 150;
constexpr int kViewTipClass = 151;
constexpr int kViewTipRace = 152;
constexpr int kViewTipLevel = 153;
constexpr int kViewTipRealmRank = 154;
constexpr int kViewTipCareer = 155;
constexpr int kViewCareerMode = 1200;
constexpr int kViewSnap = 1201;
constexpr int kViewDel = 1202;
constexpr int kViewCoopServer = 1203;
constexpr int kViewLevelName = 1204;       // accessible names of the unlabelled fields
constexpr int kViewRealmRankName = 1205;
constexpr int kViewRealmPointsName = 1206;
constexpr int kViewTabFirst = 1210;        // 1210 + page number: the tab titles
// -- end of view ids
// Preferences dialog (1300-1399).
constexpr int kOptionsTitle = 1300;
constexpr int kOptionsToolTipsGroup = 1301;
constexpr int kOptionsDelayLabel = 1302;
constexpr int kOptionsUiTooltips = 1303;
constexpr int kOptionsSaveModified = 1304;
constexpr int kOptionsShowOldRas = 1305;
constexpr int kOptionsShowExperimental = 1306;
constexpr int kOptionsSaveSelection = 1307;
constexpr int kOptionsDefaultDb = 1308;
constexpr int kOptionsGerman = 1309;
constexpr int kOptionsEnglish = 1310;
constexpr int kOptionsDefaultButton = 1311;
constexpr int kOptionsOk = 1312;
constexpr int kOptionsCancel = 1313;
// -- end of preferences ids
// Base stats page (1400-1499).
constexpr int kStatsPageTitle = 1400;
constexpr int kStatsHitPoints = 1401;
constexpr int kStatsHitPointsCaption = 1402;
constexpr int kStatsStrength = 1403;  // 1403..1410: the eight stats in stat order
constexpr int kStatsBase = 1411;
constexpr int kStatsAtLevel = 1412;
constexpr int kStatsWithRealmAbilities = 1413;
constexpr int kStatsSpent = 1414;
constexpr int kStatsFreePoints = 1415;
constexpr int kStatsAbilityLevel = 1416;
constexpr int kStatsAbilityTrain = 1417;
constexpr int kStatsAbilityName = 1418;
// -- end of stats page ids
// Skills page (1500-1599).
constexpr int kSkillsPageTitle = 1500;
constexpr int kSkillsColumnName = 1501;
constexpr int kSkillsColumnLevel = 1502;
constexpr int kSkillsColumnSkill = 1503;
constexpr int kSkillsColumnAutoTrain = 1504;
constexpr int kSkillsDetailName = 1505;
constexpr int kSkillsDetailValue = 1506;
constexpr int kSkillsUsed = 1507;
constexpr int kSkillsSkillPoints = 1508;
constexpr int kSkillsRestPoints = 1509;
constexpr int kSkillsSpecialPoints = 1510;
constexpr int kSkillsRespec = 1511;
// -- end of skills page ids
// Auto-train field and dialog, respec dialog (1600-1699).
constexpr int kAutoTrainTitle = 1600;
constexpr int kAutoTrainExplanation = 1601;
constexpr int kAutoTrainSkillLabel = 1602;
constexpr int kAutoTrainLevelLabel = 1603;
constexpr int kAutoTrainShiftHint = 1604;
constexpr int kAutoTrainShortLabel = 1605;
constexpr int kAutoTrainDescriptionLabel = 1606;
constexpr int kAutoTrainOk = 1607;
constexpr int kAutoTrainCancel = 1608;
constexpr int kAutoTrainFieldName = 1609;     // accessible names and tooltip of the field
constexpr int kAutoTrainButtonTip = 1610;
constexpr int kAutoTrainStepBoxName = 1611;   // "%1": the skill level of the box
constexpr int kRespecTitle = 1620;
constexpr int kRespecFull = 1621;
constexpr int kRespecFullNote = 1622;
constexpr int kRespecLine = 1623;
constexpr int kRespecLineNote = 1624;
constexpr int kRespecWarning = 1625;
constexpr int kRespecResetsToOne = 1626;
constexpr int kRespecAutoTrainRefill = 1627;
constexpr int kRespecLineListName = 1628;
// -- end of auto-train and respec ids
// Spells page (1700-1799).
constexpr int kSpellsPageTitle = 1700;
constexpr int kSpellsShowAll = 1701;
constexpr int kSpellsOnlyTop = 1702;
constexpr int kSpellsTypeAsName = 1703;
// -- end of spells page ids
// Styles page (1800-1899).
constexpr int kStylesPageTitle = 1800;
constexpr int kStylesShowAll = 1801;
constexpr int kStylesLineFilter = 1802;     // accessible names
constexpr int kStylesOpeningFilter = 1803;
constexpr int kStylesDetail = 1804;
// -- end of styles page ids
// Master levels page (2600-2699).
constexpr int kMasterLevelsPageTitle = 2600;
constexpr int kMasterLevelsFirstTrack = 2601;   // accessible names
constexpr int kMasterLevelsSecondTrack = 2602;
constexpr int kMasterLevelsLevel = 2603;
constexpr int kMasterLevelsFirstList = 2604;
constexpr int kMasterLevelsSecondList = 2605;
constexpr int kMasterLevelsDescription = 2606;
constexpr int kMasterLevelsTrackButton = 2607;
// -- end of master levels page ids
// Edit menu: undo and redo (2800-2899). %1 in a step text is the record's
// name, %2 the value.
constexpr int kMenuEdit = 2800;
constexpr int kMenuUndo = 2801;
constexpr int kMenuRedo = 2802;
constexpr int kMenuUndoStep = 2803;  // %1 the step
constexpr int kMenuRedoStep = 2804;
constexpr int kUndoHistoryCleared = 2805;
constexpr int kStepLevel = 2810;
constexpr int kStepRealmRank = 2811;
constexpr int kStepRealm = 2812;
constexpr int kStepRace = 2813;
constexpr int kStepClass = 2814;
constexpr int kStepRaiseStat = 2815;
constexpr int kStepLowerStat = 2816;
constexpr int kStepExtraSpecPoints = 2817;
constexpr int kStepCareerModeOn = 2818;
constexpr int kStepCareerModeOff = 2819;
constexpr int kStepRaiseLine = 2820;
constexpr int kStepLowerLine = 2821;
constexpr int kStepRespecOn = 2822;
constexpr int kStepRespecOff = 2823;
constexpr int kStepSnapLevel = 2824;
constexpr int kStepClearLevel = 2825;
constexpr int kStepAutoTrain = 2826;
constexpr int kStepRealmAbility = 2827;
constexpr int kStepMasterLevelTrack = 2828;
constexpr int kStepMasterLevel = 2829;
constexpr int kStepOption = 2830;
// -- end of edit menu ids
// Character sheet printing (2700-2799).
constexpr int kMenuExportPdf = 2700;
constexpr int kPrintNoPrinter = 2701;
constexpr int kPrintOptionsTitle = 2702;
constexpr int kPrintStylesGroup = 2703;
constexpr int kPrintNoStyles = 2704;
constexpr int kPrintAllStyles = 2705;
constexpr int kPrintStyleSort = 2706;
constexpr int kPrintSortLineLevel = 2707;
constexpr int kPrintSortLinePreceding = 2708;
constexpr int kPrintSortLevel = 2709;
constexpr int kPrintSortPrerequisite = 2710;
constexpr int kPrintSpellsGroup = 2711;
constexpr int kPrintNoSpells = 2712;
constexpr int kPrintAllSpells = 2713;
constexpr int kPrintSpellDescriptions = 2714;
constexpr int kPrintRealmAbilitiesGroup = 2715;
constexpr int kPrintNoRealmAbilities = 2716;
constexpr int kPrintAllRealmAbilities = 2717;
constexpr int kPrintPdfFailed = 2718;
constexpr int kPrintPdfFilter = 2719;
constexpr int kArgumentExportPdf = 2720;
constexpr int kArgumentData = 2721;
constexpr int kArgumentExportNeedsFile = 2722;
constexpr int kArgumentBadData = 2723;
constexpr int kPrintDataFailed = 2724;
constexpr int kArgumentSetting = 2725;
constexpr int kArgumentBadSetting = 2726;
// -- end of printing ids
// Calculations page (2400-2499).
constexpr int kCalcPageTitle = 2400;
constexpr int kCalcTestPage = 2401;      // the two fixed lines above the table
constexpr int kCalcFormulaNote = 2402;
constexpr int kCalcTableName = 2403;     // accessible names
constexpr int kCalcLogName = 2404;
// -- end of calculations page ids
}  // namespace ui_text

// The text of an id in a language; empty for an unknown id.
std::string_view UiText(int id, UiLanguage language);
