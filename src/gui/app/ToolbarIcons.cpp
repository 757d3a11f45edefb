// Every command has one drawing; its hot and disabled looks are made from that drawing here, so the
// three looks of a button always match and a new command needs only its SVG listed in icons.cmake.
#include "ToolbarIcons.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QRectF>
#include <QSvgRenderer>

#include <algorithm>
#include <array>

namespace kvt {
namespace {

// The drawings are made on a 32 grid; 64 serves screens at twice the density.
constexpr std::array kToolbarSizes{32, 64};
constexpr std::array kApplicationSizes{16, 24, 32, 48, 64, 128, 256};
constexpr qreal kGrid = 32.0;

QString ArtworkPath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QImage Render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

int Clamp(double value) {
    return std::clamp(static_cast<int>(value + 0.5), 0, 255);
}

// Hot colours: a little more saturated and brighter, so the drawing seems to light up.
QImage Vivid(const QImage& normal) {
    QImage image = normal.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QColor colour = QColor::fromRgba(line[x]);
            const float saturation = std::min(colour.hsvSaturationF() * 1.25f, 1.0f);
            const float value = std::min(colour.valueF() * 1.08f, 1.0f);
            colour.setHsvF(colour.hsvHueF(), saturation, value, colour.alphaF());
            line[x] = colour.rgba();
        }
    }
    return image;
}

// Under the mouse: a soft rounded plate behind the vivid drawing.
QImage Hot(const QImage& normal) {
    const qreal unit = normal.width() / kGrid;
    QImage image(normal.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x8d, 0xbb, 0xea), unit));
    painter.setBrush(QColor(0xdd, 0xec, 0xfc));
    const qreal inset = unit / 2;
    painter.drawRoundedRect(QRectF(normal.rect()).adjusted(inset, inset, -inset, -inset), 4 * unit, 4 * unit);
    painter.drawImage(0, 0, Vivid(normal));
    return image;
}

// Disabled: the drawing in light greys, its shapes still readable but clearly out of reach.
QImage Disabled(const QImage& normal) {
    QImage image = normal.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const double luma = 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
            const int grey = Clamp(110.0 + luma * 0.55);
            line[x] = qRgba(grey, grey, grey, Clamp(qAlpha(pixel) * 0.8));
        }
    }
    return image;
}

} // namespace

QIcon ToolbarIcon(const QString& name) {
    const QString path = ArtworkPath(name);
    if (!QFile::exists(path)) {
        return {};
    }
    QSvgRenderer renderer(path);
    QIcon icon;
    for (const int size : kToolbarSizes) {
        const QImage normal = Render(renderer, size);
        icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(Hot(normal)), QIcon::Active);
        icon.addPixmap(QPixmap::fromImage(Disabled(normal)), QIcon::Disabled);
    }
    return icon;
}

QIcon ApplicationIcon() {
    QSvgRenderer renderer(ArtworkPath(QStringLiteral("kvt")));
    QIcon icon;
    for (const int size : kApplicationSizes) {
        icon.addPixmap(QPixmap::fromImage(Render(renderer, size)));
    }
    return icon;
}

} // namespace kvt
