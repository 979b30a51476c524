#include "platform/Say.h"

#include <QSet>
#include <cstdio>
#include <mutex>

namespace platform {

void say(const QString& line) {
    std::fprintf(stderr, "kobusato: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void sayOnce(const QString& key, const QString& line) {
    static std::mutex mutex;
    static QSet<QString> said;
    {
        const std::lock_guard lock(mutex);
        if (said.contains(key))
            return;
        said.insert(key);
    }
    say(line);
}

} // namespace platform
