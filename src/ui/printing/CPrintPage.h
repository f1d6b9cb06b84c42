// Drawing on a printed page in inches: converts inch positions to the
// device's units, keeps a stack of drawing states (font, size, weight,
// colour, current position) and draws text, boxed text, lines and framed
// boxes with a caption. The printer, the print preview and PDF export all
// draw through it.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QVector>

class QPainter;

class CPrintPage {
public:
    static inline const QString kDefaultFont = QStringLiteral("Times New Roman");
    static constexpr double kDefaultSize = 10.0;

    struct State {
        QString family = kDefaultFont;
        double pointSize = kDefaultSize;
        int weight = QFont::Normal;
        bool italic = false;
        QColor colour = Qt::black;
        QPointF position;  // inches
    };

    // Positions are inches from the top left of the printable area.
    explicit CPrintPage(QPainter& painter);

    double ToDeviceX(double inches) const { return inches * m_dpiX; }
    double ToDeviceY(double inches) const { return inches * m_dpiY; }
    QRectF ToDevice(double left, double top, double width, double height) const;

    void Push();
    void Pop();
    State& Current() { return m_states.back(); }
    void SetFont(const QString& family, double pointSize, int weight = QFont::Normal, bool italic = false);
    void SetSize(double pointSize);
    void SetWeight(int weight);
    void SetItalic(bool italic);
    void SetColour(const QColor& colour);
    void MoveTo(double x, double y);

    // Text with its top left at the point; the current position moves to its end.
    void Text(double x, double y, const QString& text);
    // Text in a box, aligned (Qt::Alignment flags) and clipped to the box.
    void TextInBox(double left, double top, double width, double height, const QString& text,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    void Line(double x1, double y1, double x2, double y2, double widthInches = 0.01);
    // A frame with its caption set into the top edge.
    void FramedBox(double left, double top, double width, double height, const QString& caption);
    void FilledBox(double left, double top, double width, double height, const QColor& fill);
    // Width of a text in the current font, in inches.
    double TextWidth(const QString& text) const;

private:
    void Apply();

    QPainter& m_painter;
    double m_dpiX = 72.0;
    double m_dpiY = 72.0;
    QVector<State> m_states;
};
