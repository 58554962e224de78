#include "resources/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;

    QLinearGradient tile(0, 0, 0, size);
    tile.setColorAt(0, QColor(40, 44, 62));
    tile.setColorAt(1, QColor(16, 18, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2 * s, 2 * s, 60 * s, 60 * s), 12 * s, 12 * s);

    // The ground grid's horizon.
    p.setPen(QPen(QColor(110, 116, 140), std::max(1.0, 1.5 * s)));
    p.drawLine(QPointF(10 * s, 52 * s), QPointF(54 * s, 52 * s));

    // Diamonds rising from the emitter, growing and fading.
    struct Spark {
        double x, y, r;
        QColor colour;
    } sparks[] = {
        {32, 48, 3, QColor(255, 240, 180)}, {27, 38, 4, QColor(255, 210, 90)},
        {37, 33, 5, QColor(255, 170, 50)},  {29, 24, 6, QColor(250, 130, 40, 220)},
        {40, 16, 7, QColor(235, 90, 40, 190)},
    };
    for (const Spark& spark : sparks) {
        if (spark.r * s < 0.8) continue;
        QPainterPath diamond;
        diamond.moveTo(spark.x * s, (spark.y + spark.r) * s);
        diamond.lineTo((spark.x - spark.r) * s, spark.y * s);
        diamond.lineTo(spark.x * s, (spark.y - spark.r) * s);
        diamond.lineTo((spark.x + spark.r) * s, spark.y * s);
        diamond.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(spark.colour);
        p.drawPath(diamond);
    }
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}
