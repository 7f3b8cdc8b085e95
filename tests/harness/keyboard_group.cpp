// Selects or shows the keyboard layout group of an X display (for trying things by hand).
//   keyboard_group DISPLAY [GROUP]

#include "VirtualDesktop.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const QString display = QString::fromLocal8Bit(argv[1]);
    if (argc > 2 && !VirtualDesktop::selectGroupOn(display, atoi(argv[2])))
        return 1;
    std::printf("%d\n", VirtualDesktop::groupOn(display));
    return 0;
}
