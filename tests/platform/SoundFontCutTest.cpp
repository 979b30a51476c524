#include "platform/music/SoundFontCut.h"

#include "platform/music/MidiScout.h"
#include "support/MidiFiles.h"
#include "support/SoundFonts.h"
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <random>

using namespace platform::music;
using testing_support::kSmallFont;

namespace {

std::string presetLists(const char* path) {
    return testing_support::presetLists(testing_support::fileBytes(path));
}

// A cut holds at most every record of its lists, plus its own LIST header
// and the closing generator and modulator a font may leave out.
constexpr std::size_t kCutOverhead = 12 + 4 + 10;

} // namespace

// General MIDI's piano is some twenty samples across the keyboard; a track
// that plays middle C needs the one zone it falls in.
TEST(SoundFontCut, KeepsOnlyThePresetsAndZonesTheNotesReach) {
    if (!QFileInfo::exists(QString::fromLatin1(kSmallFont)))
        GTEST_SKIP() << "the small General MIDI font is not installed";
    const auto index = SoundFontIndex::read(kSmallFont);
    ASSERT_TRUE(index);
    EXPECT_GT(index->presets().size(), 128u);

    Reach reach;
    reach.add({0, 0}, 60, 100);
    const SoundFontIndex::Cut cut = index->cut(reach);
    ASSERT_EQ(cut.lists.compare(0, 4, "LIST"), 0);
    EXPECT_EQ(cut.lists.compare(8, 4, "pdta"), 0);
    const auto again = SoundFontIndex::parse("cut", cut.lists.substr(12));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->presets(), (std::vector<PresetKey>{{0, 0}}));
    ASSERT_EQ(cut.samples.size(), 1u);
    // Within the samples, which lie before the lists.
    EXPECT_LT(cut.samples[0].first, cut.samples[0].second);
    EXPECT_LT(cut.samples[0].second, index->listsStart());

    // Every key at once reaches every zone; still only the one preset.
    Reach all;
    for (int key = 0; key < 128; ++key)
        all.add({0, 0}, key, 100);
    EXPECT_GT(index->cut(all).samples.size(), 5u);
    EXPECT_TRUE(index->cut(Reach{}).samples.empty());
}

// A SoundFont is a file like any other: a broken one must not bring the
// game down, whatever its preset lists say.
TEST(SoundFontCut, BrokenPresetListsAreRefusedOrCutSafely) {
    const std::string lists = presetLists(kSmallFont);
    if (lists.empty())
        GTEST_SKIP() << "the small General MIDI font is not installed";
    std::mt19937 random(7);
    int parsed = 0;
    for (int round = 0; round < 400; ++round) {
        std::string broken = lists;
        if (round % 4 == 0) {
            broken.resize(random() % broken.size());
        } else {
            for (int n = 0; n < 1 + round % 16; ++n)
                broken[random() % broken.size()] = char(random());
        }
        const auto index = SoundFontIndex::parse("broken", broken);
        if (!index)
            continue;
        ++parsed;
        Reach reach;
        for (const PresetKey& p : index->presets())
            for (int key = 0; key < 128; key += 7)
                reach.add(p, key, 1 + key % 127);
        const SoundFontIndex::Cut cut = index->cut(reach);
        ASSERT_TRUE(SoundFontIndex::parse("cut", cut.lists.substr(12)));
        ASSERT_LE(cut.lists.size(), broken.size() + kCutOverhead);
    }
    EXPECT_GT(parsed, 100); // the changed bytes mostly land in the lists' records
}

// FluidSynth reads each list in order and takes from the indices only how
// many records a preset or zone has; the cut finds them by their indices.
// Lists on which the two would disagree are left to FluidSynth.
TEST(SoundFontCut, ListsFluidSynthWouldReadOtherwiseAreNotCut) {
    const std::string lists = presetLists(kSmallFont);
    if (lists.empty())
        GTEST_SKIP() << "the small General MIDI font is not installed";
    const std::string shdr = testing_support::sampleHeaders(lists);
    ASSERT_FALSE(shdr.empty());

    // Presets that overlap seem to hold every zone many times over: 4 MB of
    // cut from 12 KB of lists, and gigabytes from a larger file.
    const std::string overlapping = testing_support::overlappingPresetLists(4, 1000, shdr);
    EXPECT_FALSE(SoundFontIndex::parse("overlapping", overlapping));

    // Each index field in turn made to start past 0 or to go back once.
    const auto field = [&](const char* id, std::size_t recordSize, std::size_t offset) {
        return std::pair{lists.find(id) + 8, std::pair{recordSize, offset}};
    };
    for (const auto& [at, shape] : {field("phdr", 38, 24), field("pbag", 4, 0), field("pbag", 4, 2),
                                    field("inst", 22, 20), field("ibag", 4, 0)}) {
        const auto [recordSize, offset] = shape;
        std::string shifted = lists;
        shifted[at + offset] = char(shifted[at + offset] + 1);
        EXPECT_FALSE(SoundFontIndex::parse("shifted", shifted)) << lists.substr(at - 8, 4);
        std::string back = lists;
        const std::size_t second = at + recordSize + offset;
        back[second] = char(back[second] - 1);
        back[second + 1] = char(0x80); // far past the next record's
        EXPECT_FALSE(SoundFontIndex::parse("back", back)) << lists.substr(at - 8, 4);
    }
    ASSERT_TRUE(SoundFontIndex::parse("whole", lists));
}

// A file that changes instrument before every note, all at one moment: each
// note may sound on either instrument, since FluidSynth's player hands a
// moment's events over in an order of its own, and the scout must say so.
TEST(Scout, NotesOfAMomentCountForEveryInstrumentTheChannelHadInIt) {
    Scout scout({{0, 0}, {0, 40}, {0, 19}});
    testing_support::TrackBytes t;
    for (int i = 0; i < 2000; ++i)
        t.at(0, {0xC0, i % 2 ? 40 : 0}).at(0, {0x90, 40 + i % 40, 1 + i % 100});
    // A minute later, far from that moment even fifty times as fast.
    t.at(57600, {0xC0, 19}).at(0, {0x90, 100, 50}).at(240, {0x80, 100, 0}).end(240);
    const Scout::Result r = scout.run(testing_support::midiFile({t}));
    ASSERT_GT(r.totalTicks, 0);
    const auto& notes = r.reach.notes();
    ASSERT_EQ(notes.size(), 3u);
    for (const PresetKey& p : {PresetKey{0, 0}, PresetKey{0, 40}}) {
        for (int i = 0; i < 2000; ++i)
            ASSERT_TRUE(notes.at(p)[std::size_t(40 + i % 40)][std::size_t(1 + i % 100)]) << i;
    }
    // Played later, on another instrument; the channel still had the last
    // of the two at that moment, but no longer the first.
    EXPECT_FALSE(notes.at({0, 0})[100].any());
    EXPECT_TRUE(notes.at({0, 19})[100][50]);
}
