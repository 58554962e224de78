// Writes the application's icon as PNG files for the desktop's icon theme:
// icon_writer FOLDER SIZE... writes FOLDER/SIZE/vexlume.png for each size.
#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "resources/app_icon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon_writer FOLDER SIZE...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString dir = QString("%1/%2").arg(folder).arg(size);
        if (!QDir().mkpath(dir) || !AppIconImage(size).save(dir + "/vexlume.png", "PNG")) {
            std::fprintf(stderr, "icon_writer: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
