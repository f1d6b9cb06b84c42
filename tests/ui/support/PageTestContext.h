// What a page test gives its pages: the shipped English data, settings of
// their own and a prompt that records every message instead of showing it.
#pragma once

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "shell/CShellContext.h"
#include "support/RecordingPrompt.h"

struct PageTestContext {
    CGameDatabase m_database{QUILLMAR_SHIPPED_DATA};
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    CShellContext m_context{m_database, m_settings, m_prompt, UiLanguage::English};
};
