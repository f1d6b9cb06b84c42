// The desktop program's answer to the core's questions: a modal message box
// over the main window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "common/CPrompt.h"

class CMessageBoxPrompt : public CPrompt {
public:
    explicit CMessageBoxPrompt(QWidget* parent = nullptr) : m_parent(parent) {}

    // Boxes are centred over this window (none: over the screen).
    void SetParent(QWidget* parent) { m_parent = parent; }

    PromptAnswer Show(const PromptMessage& message) override;

private:
    QPointer<QWidget> m_parent;
};
