// libFuzzer target for the scout: whatever a MIDI file holds, learning the
// notes it plays costs time in proportion to its size, and memory bounded by
// the instruments it can choose.
#include "platform/music/MidiScout.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

using namespace platform::music;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Every bank and program a General MIDI font has, and a few more.
    static Scout scout([] {
        std::vector<PresetKey> presets;
        for (int program = 0; program < 128; ++program)
            for (int bank : {0, 8, 16, 128})
                presets.emplace_back(bank, program);
        return presets;
    }());
    scout.run(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
