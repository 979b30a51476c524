// libFuzzer target for the music's load path: whatever bytes a player drops
// into Midis/ are read, handed to FluidSynth's player on the game's music
// device and played for a while, after a track that played before them, as
// the game does; none may crash it, hang it or leak.
#include "platform/FluidMidi.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Normal.mid"));
    // The small General MIDI font, as the tests use: the load path is the
    // same for every font.
    static const auto midi =
        platform::FluidMidi::offline(QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    midi->play(path);
    // Half a second, long enough for a short file to start again.
    constexpr int kBlock = 256;
    float left[kBlock];
    float right[kBlock];
    for (int i = 0; i < platform::FluidMidi::kSampleRate / 2 / kBlock; ++i)
        midi->render(left, right, kBlock);
    return 0;
}
