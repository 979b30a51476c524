#include "platform/music/SoundFontCut.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <random>

using namespace platform::music;

namespace {

const char* const kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The preset lists of a SoundFont file, as the index parses them.
std::string presetLists(const char* path) {
    QFile f(QString::fromLatin1(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    for (qsizetype pos = 12; pos + 12 <= all.size();) {
        const auto* p = reinterpret_cast<const unsigned char*>(all.constData() + pos + 4);
        const qsizetype size = p[0] | p[1] << 8 | p[2] << 16 | qsizetype(p[3]) << 24;
        if (all.mid(pos + 8, 4) == "pdta")
            return all.mid(pos + 12, size - 4).toStdString();
        pos += 8 + size + (size & 1);
    }
    return {};
}

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
    }
    EXPECT_GT(parsed, 100); // the changed bytes mostly land in the lists' records
}
