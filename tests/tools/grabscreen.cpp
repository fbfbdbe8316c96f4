// Saves a picture of the whole screen of the current X display, so tests and
// scripts can show what the editor looks like in a virtual display.
//
//   grabscreen <output.png> [x y width height]
//
// With a rectangle it saves that part of the screen alone, so that two runs
// can be compared where nothing but the editor's own texts differ.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: grabscreen <output.png> [x y width height]\n");
        return 2;
    }
    int rect[4] = {0, 0, -1, -1};
    bool ok = true;
    for (int i = 0; argc == 6 && i < 4; ++i)
        rect[i] = ok ? QString::fromLocal8Bit(argv[2 + i]).toInt(&ok) : 0;
    if (!ok) {
        std::fprintf(stderr, "grabscreen: x, y, width and height must be numbers\n");
        return 2;
    }
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, rect[0], rect[1], rect[2], rect[3]);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "png")) {
        std::fprintf(stderr, "grabscreen: could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
