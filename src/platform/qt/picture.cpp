#include "platform/qt/picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace platform::qt {

QPixmap ProductPicture() {
    constexpr int kWidth = 160;
    constexpr int kHeight = 110;
    constexpr int kHorizon = 44;
    QPixmap pixmap(kWidth, kHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(110, 160, 220));
    sky.setColorAt(1, QColor(200, 225, 245));
    painter.fillRect(0, 0, kWidth, kHorizon, sky);
    painter.fillRect(0, kHorizon, kWidth, kHeight - kHorizon, QColor(120, 170, 90));

    // The road narrows and bends towards the horizon.
    QPainterPath road;
    road.moveTo(20, kHeight);
    road.cubicTo(50, 80, 95, 60, 88, kHorizon);
    road.lineTo(96, kHorizon);
    road.cubicTo(110, 62, 85, 85, 110, kHeight);
    road.closeSubpath();
    painter.fillPath(road, QColor(90, 90, 95));
    QPen centreLine(Qt::white, 2, Qt::DashLine);
    painter.setPen(centreLine);
    QPainterPath centre;
    centre.moveTo(65, kHeight);
    centre.cubicTo(78, 85, 100, 65, 92, kHorizon);
    painter.drawPath(centre);

    // The instrument on its tripod beside the road.
    painter.setPen(QPen(QColor(60, 40, 20), 2));
    painter.drawLine(135, 60, 124, 100);
    painter.drawLine(135, 60, 146, 100);
    painter.drawLine(135, 60, 135, 102);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 190, 30));
    painter.drawRoundedRect(127, 46, 16, 14, 3, 3);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRect(120, 50, 8, 5);
    painter.end();
    return pixmap;
}

}  // namespace platform::qt
