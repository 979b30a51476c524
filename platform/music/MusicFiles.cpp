#include "platform/music/MusicFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <dlfcn.h>
#include <fluidsynth.h>
#include <mutex>

namespace platform::music {

namespace {

void quietFluid(int, const char*, void*) {}
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

} // namespace

std::atomic<bool> librariesSpeak{false};

void keepLibrariesQuiet() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (librariesSpeak.load())
            return;
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quietFluid, nullptr);
        // ALSA is only there through FluidSynth; looking it up at run time keeps
        // the game from depending on it directly.
        using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetAlsaHandler = int (*)(AlsaHandler);
        if (void* set = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
            reinterpret_cast<SetAlsaHandler>(set)(quietAlsa);
    });
}

void say(const std::string& line) {
    std::fputs(("kobusato: " + line + "\n").c_str(), stderr);
    std::fflush(stderr);
}

void sayOnceAbout(const QString& path, const char* what) {
    static std::mutex mutex;
    static QSet<QString> told;
    {
        const std::lock_guard lock(mutex);
        if (told.contains(path))
            return;
        told.insert(path);
    }
    say("the music file " + QFile::encodeName(path).toStdString() + " " + what +
        "; that music is silent");
}

// Far beyond any tune the game ships (a few tens of kilobytes), and small
// enough that FluidSynth reads it in a moment.
constexpr qint64 kMaxMidiBytes = 4 * 1024 * 1024;

std::optional<QByteArray> readMusicFile(const QString& path) {
    // Only a regular file is opened: a pipe or a device would block in open()
    // or never stop giving bytes.
    const QFileInfo info(path);
    if (!info.exists()) {
        sayOnceAbout(path, "is missing");
        return std::nullopt;
    }
    if (!info.isFile()) {
        sayOnceAbout(path, "is not a regular file");
        return std::nullopt;
    }
    if (info.size() > kMaxMidiBytes) {
        sayOnceAbout(path, "is too large to be music");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sayOnceAbout(path, "cannot be read");
        return std::nullopt;
    }
    return file.read(kMaxMidiBytes);
}

} // namespace platform::music
