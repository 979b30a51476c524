#include "platform/music/MusicFiles.h"

#include "platform/RegularFile.h"
#include "platform/Say.h"

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
    platform::say(QString::fromLocal8Bit(line));
}

void sayOnceAbout(const QString& path, const char* what) {
    platform::sayOnce(QStringLiteral("music file ") + path,
                      QStringLiteral("the music file ") + path + QLatin1Char(' ') +
                          QLatin1String(what) + QStringLiteral("; that music is silent"));
}

// Far beyond any tune the game ships (a few tens of kilobytes), and small
// enough that FluidSynth reads it in a moment.
constexpr qint64 kMaxMidiBytes = 4 * 1024 * 1024;

std::optional<QByteArray> readMusicFile(const QString& path) {
    FileProblem why = FileProblem::None;
    std::optional<QByteArray> bytes = readRegular(path, kMaxMidiBytes, why);
    if (!bytes)
        sayOnceAbout(path, describe(why));
    return bytes;
}

} // namespace platform::music
