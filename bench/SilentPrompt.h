// A prompt that answers every message with OK and shows nothing.
#pragma once

#include "common/CPrompt.h"

class SilentPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage&) override { return PromptAnswer::Ok; }
};
