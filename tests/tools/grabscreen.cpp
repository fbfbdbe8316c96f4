// Saves a picture of the whole screen of the current X display, so tests and
// scripts can show what the editor looks like in a virtual display.
//
//   grabscreen <output.png>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grabscreen <output.png>\n");
        return 2;
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "png")) {
        std::fprintf(stderr, "grabscreen: could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
