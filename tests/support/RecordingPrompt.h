// A prompt that records every message and gives a preset answer.
#pragma once

#include <vector>

#include "common/CPrompt.h"

class RecordingPrompt : public CPrompt {
public:
    explicit RecordingPrompt(PromptAnswer answer = PromptAnswer::Ok) : m_answer(answer) {}

    PromptAnswer Show(const PromptMessage& message) override
    {
        messages.push_back(message);
        return m_answer;
    }

    std::vector<PromptMessage> messages;

private:
    PromptAnswer m_answer;
};
