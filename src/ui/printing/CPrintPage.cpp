#include "printing/CPrintPage.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

CPrintPage::CPrintPage(QPainter& painter) : m_painter(painter)
{
    // Device units per inch; a painter whose transform scales (a preview
    // widget, for example) keeps device coordinates through that mapping.
    if (QPaintDevice* device = painter.device()) {
        m_dpiX = device->logicalDpiX();
        m_dpiY = device->logicalDpiY();
    }
    m_states.push_back(State{});
    Apply();
}

QRectF CPrintPage::ToDevice(double left, double top, double width, double height) const
{
    return {ToDeviceX(left), ToDeviceY(top), ToDeviceX(width), ToDeviceY(height)};
}

void CPrintPage::Push()
{
    m_states.push_back(m_states.back());
}

void CPrintPage::Pop()
{
    if (m_states.size() > 1)
        m_states.pop_back();
    Apply();
}

void CPrintPage::SetFont(const QString& family, double pointSize, int weight, bool italic)
{
    State& state = Current();
    state.family = family;
    state.pointSize = pointSize;
    state.weight = weight;
    state.italic = italic;
    Apply();
}

void CPrintPage::SetSize(double pointSize)
{
    Current().pointSize = pointSize;
    Apply();
}

void CPrintPage::SetWeight(int weight)
{
    Current().weight = weight;
    Apply();
}

void CPrintPage::SetItalic(bool italic)
{
    Current().italic = italic;
    Apply();
}

void CPrintPage::SetColour(const QColor& colour)
{
    Current().colour = colour;
    Apply();
}

void CPrintPage::MoveTo(double x, double y)
{
    Current().position = {x, y};
}

void CPrintPage::Apply()
{
    const State& state = m_states.back();
    QFont font(state.family);
    font.setPointSizeF(state.pointSize);
    font.setWeight(static_cast<QFont::Weight>(state.weight));
    font.setItalic(state.italic);
    m_painter.setFont(font);
    m_painter.setPen(state.colour);
}

void CPrintPage::Text(double x, double y, const QString& text)
{
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    m_painter.drawText(QPointF(ToDeviceX(x), ToDeviceY(y) + metrics.ascent()), text);
    Current().position = {x + metrics.horizontalAdvance(text) / m_dpiX, y};
}

void CPrintPage::TextInBox(double left, double top, double width, double height, const QString& text,
                           Qt::Alignment alignment)
{
    const QRectF box = ToDevice(left, top, width, height);
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    m_painter.drawText(box, static_cast<int>(alignment) | Qt::TextSingleLine, text);
    m_painter.restore();
    Current().position = {left + width, top};
}

void CPrintPage::Line(double x1, double y1, double x2, double y2, double widthInches)
{
    m_painter.save();
    QPen pen(Current().colour);
    pen.setWidthF(ToDeviceX(widthInches));
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(ToDeviceX(x1), ToDeviceY(y1)), QPointF(ToDeviceX(x2), ToDeviceY(y2)));
    m_painter.restore();
    Current().position = {x2, y2};
}

void CPrintPage::FramedBox(double left, double top, double width, double height, const QString& caption)
{
    m_painter.save();
    QPen pen(Current().colour);
    pen.setWidthF(ToDeviceX(0.01));
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    const QRectF frame = ToDevice(left, top, width, height);
    if (caption.isEmpty()) {
        m_painter.drawRect(frame);
    } else {
        // The caption interrupts the top edge a little right of the corner.
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        const double gap = ToDeviceX(0.05);
        const double start = frame.left() + ToDeviceX(0.12);
        const double end = start + metrics.horizontalAdvance(caption) + 2 * gap;
        m_painter.drawLine(frame.topLeft(), QPointF(start, frame.top()));
        m_painter.drawLine(QPointF(end, frame.top()), frame.topRight());
        m_painter.drawLine(frame.topRight(), frame.bottomRight());
        m_painter.drawLine(frame.bottomRight(), frame.bottomLeft());
        m_painter.drawLine(frame.bottomLeft(), frame.topLeft());
        m_painter.drawText(QPointF(start + gap, frame.top() + (metrics.ascent() - metrics.descent()) / 2), caption);
    }
    m_painter.restore();
}

void CPrintPage::FilledBox(double left, double top, double width, double height, const QColor& fill)
{
    m_painter.fillRect(ToDevice(left, top, width, height), fill);
}

double CPrintPage::TextWidth(const QString& text) const
{
    return QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(text) / m_dpiX;
}
