// How the core asks the user something without opening a window itself. The
// desktop program answers with a message box, the command-line tool prints to
// stderr, tests record the calls. Captions and texts are UTF-8.
#pragma once

#include <string>

enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct PromptMessage {
    std::string caption;
    std::string text;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
};

class CPrompt {
public:
    virtual ~CPrompt() = default;
    virtual PromptAnswer Show(const PromptMessage& message) = 0;
};
