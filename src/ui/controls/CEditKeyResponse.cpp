#include "controls/CEditKeyResponse.h"

#include <QKeyEvent>

CEditKeyResponse::CEditKeyResponse(QWidget* parent) : QLineEdit(parent)
{
}

void CEditKeyResponse::keyPressEvent(QKeyEvent* event)
{
    int code = 0;
    // The typed character decides, not the key: "+" is Shift+= on some layouts.
    const bool commandModifier =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!commandModifier && event->text() == QLatin1String("+"))
        code = PlusKey;
    else if (!commandModifier && event->text() == QLatin1String("-"))
        code = MinusKey;
    else if (event->key() == Qt::Key_Up)
        code = UpArrow;
    else if (event->key() == Qt::Key_Down)
        code = DownArrow;

    if (code == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyCommand(m_controlId, code);
}

void CEditKeyResponse::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked(m_controlId);
}
