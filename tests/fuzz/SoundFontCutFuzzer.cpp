// libFuzzer target for the SoundFont cut: whatever preset lists a SoundFont
// holds, the index refuses them or the cut of every note on every preset is
// lists that parse again and no larger than the lists it was cut from.
#include "platform/music/SoundFontCut.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace platform::music;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string lists(reinterpret_cast<const char*>(data), size);
    const auto index = SoundFontIndex::parse("fuzzed", lists);
    if (!index)
        return 0;
    Reach reach;
    for (const PresetKey& p : index->presets())
        for (int key = 0; key < 128; key += 3)
            reach.add(p, key, 1 + (key * 5) % 127);
    const SoundFontIndex::Cut cut = index->cut(reach);
    // Its own LIST header, and the closing generator and modulator.
    if (cut.lists.size() > lists.size() + 12 + 4 + 10)
        std::abort();
    if (cut.lists.size() < 12 || !SoundFontIndex::parse("cut", cut.lists.substr(12)))
        std::abort();
    return 0;
}
