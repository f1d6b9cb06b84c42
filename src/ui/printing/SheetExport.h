// The character sheet as a PDF without a window: what
// `quillmar --export-pdf OUT.pdf FILE.chr` does.
#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/UiLanguage.h"

struct SheetExportRequest {
    QString output;
    QString character;
    std::string dataRoot;              // the folder holding "de" and "en"
    std::optional<std::string> data;   // "de" or "en"; else the settings' default
    std::filesystem::path settingsFile;  // the print options; may be missing
    UiLanguage language = UiLanguage::English;
    // Settings overridden for this run only (--set KEY=VALUE), print options for example.
    std::vector<std::pair<std::string, std::int32_t>> settings;
};

// Exit code: 0 written, 1 otherwise (the reason is on stderr).
int ExportSheetFromCommandLine(const SheetExportRequest& request);

// Before the application object exists: a run that only exports needs no
// display, so the offscreen platform is chosen unless one was asked for.
bool ArgumentsAskForExport(int argc, char* argv[]);
void ChooseHeadlessPlatform();
