// quillmar-cli calc: runs a calculation script against a character as the
// "Calc" tab does and gives what the tab would show.
#pragma once

#include <chrono>
#include <filesystem>

#include "cli/CharacterJson.h"
#include "common/UiLanguage.h"

class CPrompt;
class CQuillmarDoc;

struct CalcRun {
    // {"rows":[[cells]], "columns":N, "log":[lines], "errors":[box texts]}, texts in UTF-8.
    OrderedJson json;
    bool completed = false;  // the script ran to its end
};

CalcRun RunCalcScript(const CQuillmarDoc& doc, CPrompt& prompt, UiLanguage language, const std::filesystem::path& script,
                      std::chrono::milliseconds timeBudget);
