// The read-only formatted text box, laid out as the tooltip window lays out its
// text (tabs, rules, colours) instead of with the simple renderer. Pages put it
// beside a list so that what the tooltip says can also be read from the keyboard.
#pragma once

#include "markup/CEditCtrlFormat.h"
#include "markup/CRichMarkupRenderer.h"

class CRichMarkupView : public CEditCtrlFormat {
    Q_OBJECT
public:
    explicit CRichMarkupView(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CRichMarkupRenderer m_renderer;
};
