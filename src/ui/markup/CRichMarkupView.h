// A read-only box that shows a tooltip's markup text in place, laid out as the
// tooltip window lays it out (tabs, rules, colours). Pages put it beside a list
// so that what the tooltip says can also be read from the keyboard.
#pragma once

#include <QFrame>

#include <string>

#include "markup/CRichMarkupRenderer.h"

class CRichMarkupView : public QFrame {
    Q_OBJECT
public:
    explicit CRichMarkupView(QWidget* parent = nullptr);

    // Windows-1252 markup; an empty text leaves the box blank.
    void setMarkup(std::string markup);
    const std::string& markup() const { return m_markup; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string m_markup;
    CRichMarkupRenderer m_renderer;
};
