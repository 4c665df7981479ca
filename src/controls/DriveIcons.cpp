#include "DriveIcons.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int kSize = 16;

void drawCase(QPainter &p, const QColor &face)
{
    p.setPen(QColor(70, 70, 70));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 7), 1.5, 1.5);
}

void drawLed(QPainter &p, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRect(QRectF(11, 9, 2, 2));
}

void drawFolder(QPainter &p, bool open)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.drawRect(QRectF(1.5, 3.5, 5, 1));
    if (open) {
        p.setBrush(QColor(255, 225, 120));
        QPainterPath flap;
        flap.moveTo(3.5, 7.5);
        flap.lineTo(15.5, 7.5);
        flap.lineTo(13.5, 13.5);
        flap.lineTo(1.5, 13.5);
        flap.closeSubpath();
        p.drawPath(flap);
    }
}

void drawDrive(QPainter &p, const QString &key)
{
    if (key == QLatin1String("cd")) {
        p.setPen(QColor(90, 90, 110));
        p.setBrush(QColor(200, 205, 230));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(6, 6, 4, 4));
    } else if (key == QLatin1String("ram")) {
        p.setPen(QColor(40, 80, 40));
        p.setBrush(QColor(60, 140, 70));
        p.drawRect(QRectF(1.5, 5.5, 13, 5));
        for (int x = 3; x <= 13; x += 2)
            p.drawLine(QLineF(x, 11, x, 14));
    } else if (key == QLatin1String("remove")) {
        drawCase(p, QColor(190, 190, 200));
        p.setPen(QColor(40, 40, 40));
        p.drawLine(QLineF(4, 8.5, 10, 8.5));
    } else if (key == QLatin1String("remote")) {
        drawCase(p, QColor(200, 200, 200));
        drawLed(p, QColor(40, 160, 40));
        p.setPen(QColor(30, 60, 160));
        p.drawLine(QLineF(8, 12.5, 8, 15));
        p.drawLine(QLineF(3, 15, 13, 15));
    } else if (key == QLatin1String("fixed")) {
        drawCase(p, QColor(200, 200, 200));
        drawLed(p, QColor(40, 180, 40));
    } else {
        drawCase(p, QColor(215, 215, 215));
        p.setPen(QColor(150, 30, 30));
        p.drawText(QRectF(1, 4, 11, 9), Qt::AlignCenter, QStringLiteral("?"));
    }
}
} // namespace

QPixmap DriveIcons::draw(const QString &key)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("folder") || key == QLatin1String("open"))
        drawFolder(painter, key == QLatin1String("open"));
    else
        drawDrive(painter, key);
    return pixmap;
}

QIcon DriveIcons::icon(const QString &key)
{
    // Never destroyed: pixmaps must not outlive the application object at exit.
    static auto *cache = new QMap<QString, QIcon>;
    auto it = cache->find(key);
    if (it == cache->end())
        it = cache->insert(key, QIcon(draw(key)));
    return *it;
}
