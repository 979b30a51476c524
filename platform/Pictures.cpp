#include "platform/Pictures.h"

#include "platform/RegularFile.h"
#include "platform/Say.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace platform {

QImage readPicture(const QString& path, QString& why) {
    FileProblem problem;
    const std::optional<QByteArray> bytes = readRegular(path, kMaxPictureBytes, problem);
    if (!bytes) {
        why = QString::fromLatin1(describe(problem));
        return {};
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    // The name's ending is only a hint: the reader still goes by the content.
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLatin1());
    QImage image = reader.read();
    if (image.isNull())
        why = QStringLiteral("could not be loaded (%1)").arg(reader.errorString());
    return image;
}

QImage readPictureFor(const QString& path, qreal ratio, QString& why) {
    if (ratio > 1.0) {
        const QFileInfo file(path);
        const QString dense =
            file.path() + QStringLiteral("/2x/") + file.completeBaseName() + QStringLiteral(".png");
        if (QFileInfo::exists(dense)) {
            QString denseWhy;
            QImage image = readPicture(dense, denseWhy);
            if (!image.isNull()) {
                image.setDevicePixelRatio(2.0);
                return image;
            }
            sayOnce(dense,
                    QStringLiteral("picture %1 %2; the plainer one is shown").arg(dense, denseWhy));
        }
    }
    return readPicture(path, why);
}

} // namespace platform
