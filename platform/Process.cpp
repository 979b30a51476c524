#include "platform/Process.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace platform {
namespace {
QString& folderOverride() {
    static QString s;
    return s;
}
} // namespace

void EndProcess() {
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(0);
}

QString programFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolderForTests(const QString& folder) { folderOverride() = folder; }

} // namespace platform
