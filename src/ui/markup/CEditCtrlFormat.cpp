#include "markup/CEditCtrlFormat.h"

#include <QPainter>

#include "markup/CSimpleMarkupRenderer.h"
#include "markup/QtMarkupSurface.h"

CEditCtrlFormat::CEditCtrlFormat(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CEditCtrlFormat::setMarkup(std::string markup)
{
    if (markup == m_markup)
        return;
    m_markup = std::move(markup);
    update();
}

QSize CEditCtrlFormat::sizeHint() const
{
    const QFontMetrics m(font());
    return QSize(m.averageCharWidth() * 40, m.height() * 6) +
           QSize(2 * frameWidth() + 2, 2 * frameWidth() + 2);
}

QSize CEditCtrlFormat::minimumSizeHint() const
{
    const QFontMetrics m(font());
    return QSize(m.averageCharWidth() * 8, m.height() * 2);
}

void CEditCtrlFormat::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect r = contentsRect();
    // The layout works in client coordinates, which start at the inside of the frame.
    painter.translate(r.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), r.size()));
    QtMarkupSurface surface(&painter, font());
    const MarkupRect client{0, 0, r.width(), r.height()};
    // A read-only box shows the window colour behind its text.
    surface.FillRect(client, QtMarkupSurface::FromQColor(palette().color(QPalette::Window)));
    surface.SetTextColor(QtMarkupSurface::FromQColor(palette().color(QPalette::WindowText)));
    CSimpleMarkupRenderer::Render(surface, m_markup, client);
}
