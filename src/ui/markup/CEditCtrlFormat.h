// Read-only formatted text box: shows a markup text (Windows-1252) with the
// simple renderer, word-wrapped and centred unless the text says otherwise.
// Text that does not fit below the bottom is cut off.
#pragma once

#include <QFrame>

#include <string>

class CEditCtrlFormat : public QFrame {
    Q_OBJECT
public:
    explicit CEditCtrlFormat(QWidget* parent = nullptr);

    void setMarkup(std::string markup);
    const std::string& markup() const { return m_markup; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string m_markup;
};
