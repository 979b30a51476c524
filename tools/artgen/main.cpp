// artgen <gamedir> <uidir>
//
// Paints the game's pictures and writes them where the game loads them:
// the ending's flip-book and stills as BMP/JPEG under <gamedir>, and the
// pictures compiled into the program as PNG in <uidir>. Nothing depends on
// the clock, so every run writes the same bytes.
#include "art.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

int failures = 0;
int written = 0;

void save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        ++failures;
        return;
    }
    ++written;
}

bool makeDir(const QString& path)
{
    if (QDir().mkpath(path))
        return true;
    std::fprintf(stderr, "artgen: cannot create %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // The pictures need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 3) {
        std::fprintf(stderr, "usage: artgen <gamedir> <uidir>\n");
        return 2;
    }
    const QString gameDir = QString::fromLocal8Bit(argv[1]);
    const QString uiDir = QString::fromLocal8Bit(argv[2]);
    const QString bmpDir = gameDir + QStringLiteral("/Bmps");
    const QString jpegDir = gameDir + QStringLiteral("/Jpegs");
    if (!makeDir(bmpDir) || !makeDir(jpegDir) || !makeDir(uiDir))
        return 1;

    // Without the Japanese faces the lettering would fall back to boxes.
    const QStringList families = QFontDatabase::families();
    for (const char* needed : {"IPAGothic", "IPAPGothic", "IPAMincho"}) {
        if (!families.contains(QString::fromUtf8(needed), Qt::CaseInsensitive))
            std::fprintf(stderr, "artgen: warning: font %s is not installed\n", needed);
    }

    for (int i = 0; i < art::kFlipCount; ++i) {
        const QString name = QStringLiteral("初期絵%1.bmp").arg(QString::fromUtf8(art::kFlipNames[i]));
        save(art::flipFrame(i).convertToFormat(QImage::Format_RGB888), bmpDir + u'/' + name, "BMP");
    }
    save(art::unpackingPicture().convertToFormat(QImage::Format_RGB888), bmpDir + QStringLiteral("/初期絵19.bmp"), "BMP");

    for (int n = 1; n <= 11; ++n) {
        const QString name = QStringLiteral("背景画%1.jpg").arg(n, 2, 10, QChar(u'0'));
        save(art::backgroundPicture(n).convertToFormat(QImage::Format_RGB888), jpegDir + u'/' + name, "JPEG", 90);
    }

    save(art::staffTitleCard().convertToFormat(QImage::Format_RGB888), uiDir + QStringLiteral("/staff_image1.png"), "PNG");
    for (const art::UiPicture& pic : art::uiPictures()) {
        QImage image(pic.w, pic.h, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            pic.draw(p, QRectF(0, 0, pic.w, pic.h));
        }
        save(image.convertToFormat(QImage::Format_ARGB32), uiDir + u'/' + QString::fromUtf8(pic.file), "PNG");
    }

    std::printf("artgen: wrote %d pictures\n", written);
    return failures ? 1 : 0;
}
