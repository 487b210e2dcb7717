// Writes the program's icon files for the install tree at build time, from the same drawing
// as the window icon, so no icon file is kept by hand.
//   icon-files THEME_DIR NAME SIZE...

#include "iconset.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("Usage: icon-files THEME_DIR NAME SIZE...\n", stderr);
        return 2;
    }
    QList<int> sizes;
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            std::fprintf(stderr, "icon-files: not an icon size: %s\n", argv[i]);
            return 2;
        }
        sizes.append(size);
    }
    const QString error = tools::writeIconSet(QString::fromLocal8Bit(argv[1]),
                                              QString::fromLocal8Bit(argv[2]), sizes);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "icon-files: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
