// artgen <gamedir> <uidir>
//
// Paints the game's pictures and writes them where the game loads them:
// the ending's flip-book and stills as BMP/JPEG under <gamedir>, and the
// pictures compiled into the program as PNG in <uidir>, with the resource
// list <uidir>/ui.qrc. A picture whose lettering is Japanese is painted once
// more in English, at the same name in the folder "en" beside it; Japanese
// lettering left in an English picture fails the run. Nothing depends on
// the clock, so every run writes the same bytes.
#include "art.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <functional>

namespace {

int failures = 0;
int written = 0;

void save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        ++failures;
        return;
    }
    ++written;
}

bool makeDir(const QString& path) {
    if (QDir().mkpath(path))
        return true;
    std::fprintf(stderr, "artgen: cannot create %s\n", qPrintable(path));
    return false;
}

// Paints `file` in Japanese into `dir`, and in English into dir/en when its
// lettering is Japanese. Returns the names written, relative to `dir`.
QStringList paintBoth(const std::function<QImage()>& paint, const QString& dir, const QString& file,
                      const char* format, int quality = -1) {
    art::setLanguage(art::Language::Japanese);
    art::resetLetteringRecord();
    save(paint(), dir + u'/' + file, format, quality);
    if (!art::drewJapanese())
        return {file};
    art::setLanguage(art::Language::English);
    art::resetLetteringRecord();
    const QImage english = paint();
    for (const QString& text : art::untranslatedLettering()) {
        std::fprintf(stderr, "artgen: %s: lettering \"%s\" has no English\n", qPrintable(file),
                     qPrintable(text));
        ++failures;
    }
    art::setLanguage(art::Language::Japanese);
    // The English picture of "2x/name" is "en/2x/name".
    const QString englishDir = dir + QStringLiteral("/en/") + QFileInfo(file).path();
    if (!makeDir(englishDir)) {
        ++failures;
        return {file};
    }
    save(english, englishDir + u'/' + QFileInfo(file).fileName(), format, quality);
    return {file, QStringLiteral("en/") + file};
}

void writeResourceList(const QString& path, const QStringList& files) {
    QString body = QStringLiteral("<RCC>\n  <qresource prefix=\"/ui\">\n");
    for (const QString& f : files)
        body += QStringLiteral("    <file>%1</file>\n").arg(f);
    body += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(body.toUtf8()) < 0) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv) {
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
    // An English picture whose Japanese one lost its lettering must not stay.
    for (const QString& dir : {bmpDir, jpegDir, uiDir})
        QDir(dir + QStringLiteral("/en")).removeRecursively();
    for (const QString& dir : {bmpDir, jpegDir})
        if (!QDir(dir + QStringLiteral("/2x")).removeRecursively() ||
            !makeDir(dir + QStringLiteral("/2x")))
            return 1;

    // Without the Japanese faces the lettering would fall back to boxes;
    // without the rounded Latin one the English lettering loses its look.
    const QStringList families = QFontDatabase::families();
    for (const char* needed : {"IPAGothic", "IPAPGothic", "IPAMincho", "Quicksand"}) {
        if (!families.contains(QString::fromUtf8(needed), Qt::CaseInsensitive))
            std::fprintf(stderr, "artgen: warning: font %s is not installed\n", needed);
    }

    // Each at the size the game has always read, then at twice it for dense
    // screens, as PNG in "2x" beside it (en/2x for the English one).
    for (const int scale : {1, 2}) {
        art::setSceneScale(scale);
        const auto name = [scale](const QString& file) {
            return scale == 1 ? file
                              : QStringLiteral("2x/") + QFileInfo(file).completeBaseName() +
                                    QStringLiteral(".png");
        };
        const char* still = scale == 1 ? "BMP" : "PNG";
        const char* background = scale == 1 ? "JPEG" : "PNG";
        for (int i = 0; i < art::kFlipCount; ++i) {
            const QString file =
                QStringLiteral("初期絵%1.bmp").arg(QString::fromUtf8(art::kFlipNames[i]));
            paintBoth([i] { return art::flipFrame(i).convertToFormat(QImage::Format_RGB888); },
                      bmpDir, name(file), still);
        }
        paintBoth([] { return art::unpackingPicture().convertToFormat(QImage::Format_RGB888); },
                  bmpDir, name(QStringLiteral("初期絵19.bmp")), still);
        for (int n = 1; n <= 11; ++n) {
            const QString file = QStringLiteral("背景画%1.jpg").arg(n, 2, 10, QChar(u'0'));
            paintBoth(
                [n] { return art::backgroundPicture(n).convertToFormat(QImage::Format_RGB888); },
                jpegDir, name(file), background, scale == 1 ? 90 : -1);
        }
    }
    art::setSceneScale(1);

    QStringList resources =
        paintBoth([] { return art::staffTitleCard().convertToFormat(QImage::Format_RGB888); },
                  uiDir, QStringLiteral("staff_image1.png"), "PNG");
    for (const art::UiPicture& pic : art::uiPictures()) {
        const auto paint = [&pic] {
            QImage image(pic.w, pic.h, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            {
                QPainter p(&image);
                p.setRenderHint(QPainter::Antialiasing);
                pic.draw(p, QRectF(0, 0, pic.w, pic.h));
            }
            return image.convertToFormat(QImage::Format_ARGB32);
        };
        resources += paintBoth(paint, uiDir, QString::fromUtf8(pic.file), "PNG");
    }
    writeResourceList(uiDir + QStringLiteral("/ui.qrc"), resources);

    std::printf("artgen: wrote %d pictures\n", written);
    return failures ? 1 : 0;
}
