#include "resources/toolbar_images.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap Blank() {
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap NewImage() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 13}, {3, 13}}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
    return pixmap;
}

QPixmap OpenImage() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(230, 190, 60));
    p.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 4}, {12, 4}, {12, 12}, {1, 12}}));
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(QPolygon({{3, 7}, {15, 7}, {12, 12}, {1, 12}}));
    return pixmap;
}

QPixmap SaveImage() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 60, 160));
    p.drawRect(1, 1, 13, 12);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(4, 9, 7, 4);
    return pixmap;
}

QPixmap AboutImage() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(1, 0, 14, 14);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(1, 0, 14, 14), Qt::AlignCenter, "?");
    return pixmap;
}

}  // namespace

QIcon ToolbarImage(int index) {
    switch (index) {
        case 0:
            return QIcon(NewImage());
        case 1:
            return QIcon(OpenImage());
        case 2:
            return QIcon(SaveImage());
        default:
            return QIcon(AboutImage());
    }
}
