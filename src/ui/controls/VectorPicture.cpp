#include "controls/VectorPicture.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>

namespace {

class VectorIconEngine : public QIconEngine {
public:
    explicit VectorIconEngine(std::function<void(QPainter&, const QRectF&)> paint) : m_paint(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        m_paint(*painter, rect);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), pixmap.size()), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new VectorIconEngine(m_paint); }

private:
    std::function<void(QPainter&, const QRectF&)> m_paint;
};

}  // namespace

void PaintOnSquareGrid(QPainter& painter, const QRectF& box, qreal grid, const std::function<void(QPainter&)>& paint)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal side = std::min(box.width(), box.height());
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / grid, side / grid);
    paint(painter);
    painter.restore();
}

QIcon VectorPictureIcon(std::function<void(QPainter&, const QRectF&)> paint)
{
    return QIcon(new VectorIconEngine(std::move(paint)));
}
