#include "platform/Settings.h"

#include "platform/RegularFile.h"
#include "platform/Say.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <memory>
#include <optional>

namespace platform {
namespace {

// Settings parsed from, or about to become, the bytes of the player's file.
// QSettings reads and writes this temporary copy only.
class SettingsCopy {
  public:
    explicit SettingsCopy(const QByteArray& bytes)
        : file_(QDir::tempPath() + QStringLiteral("/kobusato-settings-XXXXXX.conf")) {
        ok_ = file_.open() && file_.write(bytes) == bytes.size() && file_.flush();
        file_.close();
        settings_ = std::make_unique<QSettings>(file_.fileName(), QSettings::IniFormat);
    }
    // Nothing could be set down to parse: the defaults, not a copy's.
    bool ok() const { return ok_; }
    QSettings& settings() { return *settings_; }
    // What QSettings wrote, once synced.
    std::optional<QByteArray> bytes() {
        settings_->sync();
        if (settings_->status() != QSettings::NoError)
            return std::nullopt;
        QFile f(file_.fileName());
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        return f.readAll();
    }

  private:
    QTemporaryFile file_;
    std::unique_ptr<QSettings> settings_;
    bool ok_ = false;
};

// The file's bytes; empty when there is no file. None when it cannot be
// used, with the reason.
std::optional<QByteArray> readSettingsFile(const QString& path, FileProblem& problem) {
    const std::optional<QByteArray> bytes = readRegular(path, kMaxSettingsBytes, problem);
    if (!bytes && problem == FileProblem::Missing)
        return QByteArray();
    return bytes;
}

} // namespace

QString settingsFile() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/kobusato/kobusato.conf");
}

QVariant setting(const QString& key, const QVariant& fallback) {
    const QString path = settingsFile();
    FileProblem problem;
    const std::optional<QByteArray> bytes = readSettingsFile(path, problem);
    if (!bytes) {
        sayOnce(QStringLiteral("settings:") + path,
                QStringLiteral("the settings file %1 %2; the default settings are used")
                    .arg(path, QString::fromLatin1(describe(problem))));
        return fallback;
    }
    if (bytes->isEmpty())
        return fallback;
    SettingsCopy copy(*bytes);
    return copy.ok() ? copy.settings().value(key, fallback) : fallback;
}

bool setSetting(const QString& key, const QVariant& value, QString& why) {
    return setSettings({{key, value}}, why);
}

bool remember(const QVariantMap& values, const QString& what) {
    QString why;
    if (setSettings(values, why))
        return true;
    say(QStringLiteral("%1 could not be remembered in %2 (it %3); it holds for this run")
            .arg(what, settingsFile(), why));
    return false;
}

bool setSettings(const QVariantMap& values, QString& why) {
    const QString path = settingsFile();
    FileProblem problem;
    const std::optional<QByteArray> bytes = readSettingsFile(path, problem);
    if (!bytes) {
        why = QString::fromLatin1(describe(problem));
        return false;
    }
    // The settings the old file held, written afresh with the new one: a
    // copy that starts empty reports its own write failures, where one that
    // began with text QSettings could not parse would report only that.
    SettingsCopy old(*bytes);
    SettingsCopy next{QByteArray()};
    if (!old.ok() || !next.ok()) {
        why = QStringLiteral("no temporary copy could be made");
        return false;
    }
    for (const QString& k : old.settings().allKeys())
        next.settings().setValue(k, old.settings().value(k));
    for (auto v = values.begin(); v != values.end(); ++v)
        next.settings().setValue(v.key(), v.value());
    const std::optional<QByteArray> written = next.bytes();
    if (!written) {
        why = QStringLiteral("no temporary copy could be written");
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    // In place of the old file at once, so that a failed write leaves it whole.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(*written) != written->size() ||
        !out.commit()) {
        why = out.errorString();
        return false;
    }
    return true;
}

} // namespace platform
