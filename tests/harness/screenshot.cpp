// Saves what an X display shows, whole or one window, as PNG.
//   screenshot DISPLAY OUT.png [WINDOW-ID]

#include "Screenshot.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "screenshot DISPLAY OUT.png [WINDOW-ID]\n");
        return 2;
    }
    const QString display = QString::fromLocal8Bit(argv[1]);
    QRect area(0, 0, 1280, 800);
    if (argc > 3)
        area = windowGeometry(display, QString::fromLocal8Bit(argv[3]).toUInt(nullptr, 0));
    const QImage image = grabScreen(display, area);
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
