// icongen <dir>
//
// Paints the application icon at the sizes of the desktop's icon theme and
// writes <dir>/<N>x<N>/apps/io.github.kobusato.Kobusato.png for each.
#include "art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char** argv) {
    // The drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen <dir>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString path = dir + QStringLiteral("/io.github.kobusato.Kobusato.png");
        QImageWriter writer(path, "PNG");
        if (!QDir().mkpath(dir) || !writer.write(art::appIcon(size))) {
            std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
