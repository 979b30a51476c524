#include "platform/Process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

#ifndef KOBUSATO_DATA_FROM_PROGRAM
#define KOBUSATO_DATA_FROM_PROGRAM "../share/games/kobusato"
#endif

namespace platform {
namespace {
QString& folderOverride() {
    static QString s;
    return s;
}

// Every game folder has the opponents' table; nothing else is called so.
bool holdsGameData(const QString& folder) {
    return QFileInfo::exists(folder + QStringLiteral("/Enemy.dat"));
}

QString installedDataFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(KOBUSATO_DATA_FROM_PROGRAM));
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
    const QString beside = QCoreApplication::applicationDirPath();
    if (!holdsGameData(beside) && holdsGameData(installedDataFolder()))
        return installedDataFolder();
    return beside;
}

void setProgramFolderForTests(const QString& folder) {
    folderOverride() = folder;
}

QString saveFolder(const QString& appPath) {
    const bool installed = folderOverride().isEmpty() &&
                           QDir::cleanPath(appPath) == installedDataFolder() &&
                           !holdsGameData(QCoreApplication::applicationDirPath());
    if (!installed)
        return appPath + QStringLiteral("/Data");
    // The XDG rules hold a relative XDG_DATA_HOME invalid, to be ignored: taken
    // as it stands it would put the save below whatever folder the game was
    // started from.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString dataHome =
        QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/kobusato/Data"));
}

} // namespace platform
