// What the game's own readers of music files cost on the worst files its
// size checks let through: the scout on 4 MiB MIDI files, the SoundFont cut
// on preset lists with every note of every preset heard.
//   build/bench/music_files_bench [SoundFont]
#include "platform/music/MidiScout.h"
#include "platform/music/MusicFiles.h"
#include "platform/music/SoundFontCut.h"

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>

using namespace platform::music;

namespace {

constexpr qsizetype kMusicFileLimit = 4 << 20; // what the game reads of a music file

QByteArray midiOf(const QByteArray& track) {
    QByteArray f("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14);
    f += "MTrk";
    for (int shift = 24; shift >= 0; shift -= 8)
        f += char((track.size() >> shift) & 0xff);
    return f + track;
}

// Program changes between two instruments, each followed by a note, all at
// once: the file the scout once took minutes over.
QByteArray alternating() {
    QByteArray t;
    for (int i = 0; t.size() + 11 < kMusicFileLimit - 22; ++i)
        t += QByteArray::fromRawData("\0\xc0\0\0\x90\x3c\x64\0\xc0\x28\0\x90\x3e\x64", 14);
    t += QByteArray("\0\xff\x2f\0", 4);
    return midiOf(t);
}

// Notes a tick apart on every channel, each on an instrument of its own.
QByteArray spread() {
    QByteArray t;
    for (int i = 0; t.size() + 11 < kMusicFileLimit - 22; ++i) {
        const char c = char(i % 16);
        const char bytes[] = {
            0, char(0xc0 | c), char(i % 128), 1, char(0x90 | c), char(36 + i % 60), 100};
        t += QByteArray(bytes, sizeof bytes);
    }
    t += QByteArray("\0\xff\x2f\0", 4);
    return midiOf(t);
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long peakMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv) {
    keepLibrariesQuiet();
    const std::string font = argc > 1 ? argv[1] : "/usr/share/sounds/sf2/TimGM6mb.sf2";
    const auto index = SoundFontIndex::read(font);
    if (!index) {
        std::fprintf(stderr, "%s: not a SoundFont the cut can read\n", font.c_str());
        return 1;
    }
    Scout scout(index->presets());
    for (const auto& [name, file] : {std::pair{"alternating instruments", alternating()},
                                     std::pair{"spread over the channels", spread()}}) {
        const auto start = std::chrono::steady_clock::now();
        const Scout::Result r = scout.run(file);
        std::printf("scout, 4 MiB of %s: %.2f s, %zu presets heard, peak %ld MiB\n", name,
                    seconds(start), r.reach.notes().size(), peakMiB());
    }
    Reach every;
    for (const PresetKey& p : index->presets())
        for (int key = 0; key < 128; ++key)
            for (int velocity = 1; velocity < 128; velocity += 9)
                every.add(p, key, velocity);
    const auto start = std::chrono::steady_clock::now();
    const SoundFontIndex::Cut cut = index->cut(every);
    std::printf("cut of %s, every note on every preset: %.3f s, lists %zu bytes of %llu, "
                "peak %ld MiB\n",
                font.c_str(), seconds(start), cut.lists.size(),
                static_cast<unsigned long long>(index->listsEnd() - index->listsStart()),
                peakMiB());
    return 0;
}
