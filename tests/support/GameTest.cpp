#include "support/GameTest.h"

#include "platform/Language.h"
#include "platform/Process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace testing_support {

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void GameTest::SetUp() {
    installFakes();
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    QDir(dir_->path()).mkpath(QStringLiteral("Data"));
    platform::setProgramFolderForTests(dir_->path());
    // The player's own settings are never read or written by a test.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_->path() + QStringLiteral("/config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_->path() + QStringLiteral("/config")));
    kobu::game() = kobu::GameState{};
    kobu::assignStartValues(kobu::game());
    const auto p = kobu::pathsFromFolder(dir_->path());
    kobu::game().appPath = p.appPath;
    kobu::game().musicPaths = p.musicPaths;
    frame = new kobu::MainWindow();
    frame->resize(1280, 800);
    frame->show();
}

void GameTest::TearDown() {
    kobu::closeAllChildWindows();
    platform::Windows::instance().flushUnloaded();
    delete frame;
    frame = nullptr;
    // A test that switched to English leaves the next one in Japanese.
    platform::applyLanguage(platform::Language::Japanese);
    settle();
    platform::setProgramFolderForTests(QString());
    if (!fakeBoxes().scriptUsedUp())
        ADD_FAILURE() << "scripted message boxes were never shown";
    removeFakes();
    dir_.reset();
}

void GameTest::copyFromGame(const QString& relativePath) {
    const QString src = QStringLiteral(KOBUSATO_GAME_DIR "/") + relativePath;
    const QString dst = dir_->path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(dst).path());
    QFile::remove(dst);
    ASSERT_TRUE(QFile::copy(src, dst)) << src.toStdString();
}

} // namespace testing_support
