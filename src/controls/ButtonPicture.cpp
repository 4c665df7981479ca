#include "ButtonPicture.h"

#include <QImage>

QPixmap ButtonPicture::prepare(const QPixmap &picture, const QColor &maskColor, bool useMaskColor,
                               bool greyscale)
{
    if (picture.isNull() || !(useMaskColor || greyscale))
        return picture;
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = maskColor.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (useMaskColor && (pixel | 0xff000000u) == mask) {
                line[x] = 0;
            } else if (greyscale) {
                const int grey = qGray(pixel);
                line[x] = qRgba(grey, grey, grey, qAlpha(pixel));
            }
        }
    }
    return QPixmap::fromImage(image);
}
