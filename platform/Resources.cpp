#include "platform/Resources.h"

#include <QFile>

namespace platform {

QString builtInText(const QString& resource) {
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace platform
