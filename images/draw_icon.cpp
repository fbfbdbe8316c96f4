// Draws the program's icon: a small tabletop radio sending waves from its
// antenna. Writes the window icon, the desktop icons and the Windows icon;
// packaging/linux/icons/scalable/kestrelpad.svg draws the same shapes by hand.
//
//   draw_icon <images-dir> <packaging-dir>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

void drawWaves(QPainter &p)
{
    const QPointF tip(92, 28);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 9 + i * 8;
        QPen pen(QColor(30, 110, 200, 255 - i * 60), 4.5 - i * 0.8, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QRectF box(tip.x() - r, tip.y() - r, 2 * r, 2 * r);
        p.drawArc(box, 20 * 16, 70 * 16);
        p.drawArc(box, 180 * 16 - 20 * 16 - 70 * 16, 70 * 16);
    }
}

void drawBody(QPainter &p)
{
    // Antenna from the cabinet's top to the wave centre.
    p.setPen(QPen(QColor(70, 70, 78), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 50), QPointF(92, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(92, 28), 4.5, 4.5);

    const QRectF cabinet(10, 48, 108, 70);
    QLinearGradient wood(cabinet.topLeft(), cabinet.bottomLeft());
    wood.setColorAt(0, QColor(238, 142, 52));
    wood.setColorAt(1, QColor(176, 84, 22));
    p.setPen(QPen(QColor(110, 52, 14), 3));
    p.setBrush(wood);
    p.drawRoundedRect(cabinet, 14, 14);

    // Feet
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 44, 12));
    p.drawRoundedRect(QRectF(22, 116, 14, 7), 3, 3);
    p.drawRoundedRect(QRectF(92, 116, 14, 7), 3, 3);
}

void drawFront(QPainter &p)
{
    // Speaker grille
    QRadialGradient cloth(QPointF(42, 82), 26);
    cloth.setColorAt(0, QColor(250, 236, 200));
    cloth.setColorAt(1, QColor(214, 190, 140));
    p.setPen(QPen(QColor(110, 52, 14), 2.5));
    p.setBrush(cloth);
    p.drawEllipse(QPointF(42, 83), 22, 22);
    p.setPen(QPen(QColor(150, 110, 60), 2));
    p.setBrush(Qt::NoBrush);
    for (int r = 6; r <= 16; r += 5)
        p.drawEllipse(QPointF(42, 83), r, r);

    // Tuning dial with its needle
    const QRectF dial(72, 62, 36, 18);
    p.setPen(QPen(QColor(110, 52, 14), 2));
    p.setBrush(QColor(255, 246, 214));
    p.drawRoundedRect(dial, 4, 4);
    p.setPen(QPen(QColor(130, 100, 60), 1.2));
    for (int x = 76; x <= 104; x += 4)
        p.drawLine(QPointF(x, 66), QPointF(x, x % 8 == 0 ? 72 : 69));
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawLine(QPointF(93, 64), QPointF(93, 78));

    // Knobs
    p.setPen(QPen(QColor(60, 30, 10), 2));
    p.setBrush(QColor(95, 55, 25));
    p.drawEllipse(QPointF(80, 96), 7, 7);
    p.drawEllipse(QPointF(100, 96), 7, 7);
    p.setPen(QPen(QColor(240, 220, 180), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 96), QPointF(80, 91));
    p.drawLine(QPointF(100, 96), QPointF(104, 93));
}

QImage drawIcon(int size)
{
    QImage image(128, 128, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawWaves(p);
    drawBody(p);
    drawFront(p);
    p.end();
    if (size == 128)
        return image;
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// PNG has to be zlib-coded, but level 0 stores the pixels without compressing
// them, which is what the resource system expects of this image.
bool writePng(const QImage &image, const QString &path, bool uncompressed)
{
    QImageWriter writer(path, "png");
    if (uncompressed)
        writer.setQuality(100);
    const bool ok = writer.write(image);
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return ok;
}

// A Windows icon with one 128 x 128 image in 32-bit colour, stored as a
// bottom-up BGRA bitmap followed by its (all-opaque) AND mask.
bool writeIco(const QImage &source, const QString &path)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const quint32 maskBytes = size * ((size + 31) / 32) * 4;
    const quint32 bitmapBytes = 40 + size * size * 4 + maskBytes;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(size & 0xff) << quint8(size & 0xff) << quint8(0) << quint8(0);
    out << quint16(1) << quint16(32) << bitmapBytes << quint32(6 + 16);
    out << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1) << quint16(32);
    out << quint32(0) << quint32(size * size * 4) << qint32(0) << qint32(0) << quint32(0)
        << quint32(0);
    for (int y = size - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                << quint8(qAlpha(line[x]));
    }
    for (quint32 i = 0; i < maskBytes; ++i)
        out << quint8(0);
    return out.status() == QDataStream::Ok && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_icon <images-dir> <packaging-dir>\n");
        return 2;
    }
    const QDir images(QString::fromLocal8Bit(argv[1]));
    const QDir packaging(QString::fromLocal8Bit(argv[2]));
    const QImage icon = drawIcon(128);
    bool ok = writePng(icon, images.filePath(QStringLiteral("program.png")), true);
    ok = writePng(icon, packaging.filePath(QStringLiteral("linux/icons/128x128/kestrelpad.png")),
                  false) &&
         ok;
    ok = writePng(drawIcon(48),
                  packaging.filePath(QStringLiteral("linux/icons/48x48/kestrelpad.png")), false) &&
         ok;
    ok = writeIco(icon, packaging.filePath(QStringLiteral("windows/kestrelpad.ico"))) && ok;
    return ok ? 0 : 1;
}
