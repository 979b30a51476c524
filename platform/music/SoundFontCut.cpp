#include "platform/music/SoundFontCut.h"

#include "platform/RegularFile.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <set>

namespace platform::music {

void Reach::add(PresetKey preset, int key, int velocity) {
    if (key >= 0 && key < 128 && velocity > 0 && velocity < 128)
        notes_[preset][std::size_t(key)].set(std::size_t(velocity));
}

void Reach::add(PresetKey preset, const Notes& notes) {
    Notes& into = notes_[preset];
    for (std::size_t k = 0; k < into.size(); ++k)
        into[k] |= notes[k];
}

void Reach::everyKey() {
    for (auto& [preset, notes] : notes_) {
        std::bitset<128> velocities;
        for (const auto& key : notes)
            velocities |= key;
        notes.fill(velocities);
    }
}

namespace {

constexpr std::array<const char*, 9> kIds = {"phdr", "pbag", "pmod", "pgen", "inst",
                                             "ibag", "imod", "igen", "shdr"};
constexpr std::array<std::size_t, 9> kRecord = {38, 4, 10, 4, 22, 4, 10, 4, 46};
// Preset lists far larger than any General MIDI font's (some 200 KB) are
// not a SoundFont the game can use.
constexpr std::uint32_t kMaxLists = 16 << 20;

constexpr std::uint16_t kKeyRange = 43;
constexpr std::uint16_t kVelRange = 44;
constexpr std::uint16_t kInstrument = 41;
constexpr std::uint16_t kSampleId = 53;

std::uint32_t le32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return u[0] | u[1] << 8 | u[2] << 16 | std::uint32_t(u[3]) << 24;
}

void put16(std::string& out, std::uint16_t v) {
    out += char(v & 0xff);
    out += char(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

void putChunk(std::string& out, const char* id, const std::string& body) {
    out.append(id, 4);
    put32(out, std::uint32_t(body.size()));
    out += body;
}

// The keys and velocities a zone answers, read as FluidSynth reads them: a
// key range counts only as the first generator, a velocity range only
// before any but a key range, and the instrument or sample ends the zone.
struct Zone {
    int keyLo = 0, keyHi = 127;
    std::bitset<128> velocities;
    bool global = true;
    std::uint16_t target = 0; // instrument or sample

    // The notes of `heard` this zone answers.
    Reach::Notes answers(const Reach::Notes& heard) const {
        Reach::Notes passed{};
        for (int k = std::max(keyLo, 0); k <= std::min(keyHi, 127); ++k)
            passed[std::size_t(k)] = heard[std::size_t(k)] & velocities;
        return passed;
    }
};

bool any(const Reach::Notes& notes) {
    return std::any_of(notes.begin(), notes.end(), [](const auto& k) { return k.any(); });
}

void addTo(Reach::Notes& into, const Reach::Notes& notes) {
    for (std::size_t k = 0; k < into.size(); ++k)
        into[k] |= notes[k];
}

} // namespace

const char* SoundFontIndex::record(Part part, std::size_t index) const {
    return parts_[part].data() + index * kRecord[part];
}

std::size_t SoundFontIndex::count(Part part) const {
    return parts_[part].size() / kRecord[part];
}

std::uint16_t SoundFontIndex::word(Part part, std::size_t index, std::size_t offset) const {
    const auto* u = reinterpret_cast<const unsigned char*>(record(part, index) + offset);
    return std::uint16_t(u[0] | u[1] << 8);
}

std::optional<SoundFontIndex> SoundFontIndex::read(const std::string& path,
                                                   std::string* notAFile) {
    std::string unused;
    std::string& why = notAFile ? *notAFile : unused;
    why.clear();
    // A RIFF file says its size in 32 bits.
    RegularFile opened(path.c_str(), (std::int64_t(1) << 32) + 8);
    if (!opened) {
        why = describe(opened.problem());
        return std::nullopt;
    }
    QFile file;
    if (!file.open(opened.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        why = describe(FileProblem::Unreadable);
        return std::nullopt;
    }
    // Only the chunk headers and the preset lists are read; the samples
    // between them stay on disk.
    SoundFontIndex index;
    index.path_ = path;
    index.fileSize_ = std::uint64_t(file.size());
    char head[12];
    if (file.read(head, 12) != 12 || std::memcmp(head, "RIFF", 4) != 0 ||
        std::memcmp(head + 8, "sfbk", 4) != 0 || le32(head + 4) + 8ull != index.fileSize_)
        return std::nullopt;
    std::uint64_t at = 12;
    for (const char* id : {"INFO", "sdta", "pdta"}) {
        if (!file.seek(qint64(at)) || file.read(head, 12) != 12 ||
            std::memcmp(head, "LIST", 4) != 0 || std::memcmp(head + 8, id, 4) != 0)
            return std::nullopt;
        const std::uint32_t size = le32(head + 4);
        if (size < 4 || at + 8 + size > index.fileSize_)
            return std::nullopt;
        if (std::strcmp(id, "sdta") == 0)
            index.samplesAt_ = at + 20; // past the LIST and smpl headers
        if (std::strcmp(id, "pdta") == 0) {
            if (size > kMaxLists)
                return std::nullopt;
            const QByteArray lists = file.read(qint64(size - 4));
            if (lists.size() != qint64(size - 4) || !parseLists(lists.toStdString(), index))
                return std::nullopt;
            index.listsStart_ = at;
            index.listsEnd_ = std::min<std::uint64_t>(at + 8 + size + (size & 1), index.fileSize_);
            return index;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<SoundFontIndex> SoundFontIndex::parse(const std::string& path,
                                                    const std::string& bytes) {
    SoundFontIndex index;
    index.path_ = path;
    index.fileSize_ = bytes.size();
    index.listsEnd_ = bytes.size();
    if (!parseLists(bytes, index))
        return std::nullopt;
    return index;
}

bool SoundFontIndex::parseLists(const std::string& lists, SoundFontIndex& index) {
    std::size_t at = 0;
    for (int part = 0; part < kParts; ++part) {
        if (lists.size() - at < 8 || lists.compare(at, 4, kIds[std::size_t(part)]) != 0)
            return false;
        const std::uint32_t size = le32(lists.data() + at + 4);
        at += 8;
        if (size % kRecord[std::size_t(part)] != 0 || size > lists.size() - at)
            return false;
        index.parts_[part] = lists.substr(at, size);
        at += size;
    }
    // Every list but the modulators and generators ends in a record of its own.
    if (index.count(kPhdr) < 1 || index.count(kPbag) < 1 || index.count(kInst) < 1 ||
        index.count(kIbag) < 1 || index.count(kShdr) < 1)
        return false;
    // FluidSynth reads each list from its start, in order, and takes from the
    // indices only how many records each header or zone has; the cut finds
    // a zone's records by its indices. The two agree only where the indices
    // start at 0, never go back, and end at their list's end; anything else
    // is left to FluidSynth's own loader, which refuses most of it. That also
    // counts every record once, so that no cut is larger than its lists.
    return index.inOrder(kPhdr, 24, kPbag, false) && index.inOrder(kPbag, 0, kPgen, true) &&
           index.inOrder(kPbag, 2, kPmod, true) && index.inOrder(kInst, 20, kIbag, false) &&
           index.inOrder(kIbag, 0, kIgen, true) && index.inOrder(kIbag, 2, kImod, true);
}

bool SoundFontIndex::inOrder(Part headers, std::size_t field, Part list,
                             bool closingOptional) const {
    std::uint16_t last = 0;
    for (std::size_t h = 0; h < count(headers); ++h) {
        const std::uint16_t at = word(headers, h, field);
        if (at < last || (h == 0 && at != 0))
            return false;
        last = at;
    }
    // The closing header points past the last record, at the list's own
    // closing record, which generators and modulators may leave out.
    return last + 1u == count(list) || (closingOptional && last == count(list));
}

std::vector<PresetKey> SoundFontIndex::presets() const {
    std::vector<PresetKey> keys;
    for (std::size_t p = 0; p + 1 < count(kPhdr); ++p)
        keys.emplace_back(word(kPhdr, p, 22), word(kPhdr, p, 20));
    return keys;
}

SoundFontIndex::Cut SoundFontIndex::cut(const Reach& reach) const {
    // One level at a time: the presets' zones, then their instruments'.
    struct Level {
        Part headers, bags, mods, gens;
        std::size_t bagField; // where a header keeps its first bag
        std::uint16_t target;
    };
    const Level presetLevel{kPhdr, kPbag, kPmod, kPgen, 24, kInstrument};
    const Level instrumentLevel{kInst, kIbag, kImod, kIgen, 20, kSampleId};

    auto bagsOf = [this](const Level& l, std::size_t h) {
        const std::size_t last = count(l.bags) - 1; // the closing bag is no zone
        const std::size_t first = std::min<std::size_t>(word(l.headers, h, l.bagField), last);
        const std::size_t end = std::min<std::size_t>(word(l.headers, h + 1, l.bagField), last);
        return std::pair{first, std::max(first, end)};
    };
    auto spanOf = [this](const Level& l, std::size_t bag, int field, Part list) {
        const std::size_t n = count(list);
        const std::size_t first = std::min<std::size_t>(word(l.bags, bag, std::size_t(field)), n);
        const std::size_t end = std::min<std::size_t>(word(l.bags, bag + 1, std::size_t(field)), n);
        return std::pair{first, std::max(first, end)};
    };
    auto zoneAt = [&](const Level& l, std::size_t bag) {
        Zone z;
        int level = 0, keyLo = 0, keyHi = 127, velLo = 0, velHi = 127;
        const auto [first, end] = spanOf(l, bag, 0, l.gens);
        for (std::size_t g = first; g < end && level < 3; ++g) {
            const std::uint16_t oper = word(l.gens, g, 0);
            const auto* amount = reinterpret_cast<const unsigned char*>(record(l.gens, g) + 2);
            if (oper == kKeyRange && level == 0) {
                level = 1;
                keyLo = amount[0], keyHi = amount[1];
            } else if (oper == kVelRange && level <= 1) {
                level = 2;
                velLo = amount[0], velHi = amount[1];
            } else if (oper == l.target) {
                level = 3;
                z.global = false;
                z.target = word(l.gens, g, 2);
            } else if (oper != kKeyRange && oper != kVelRange) {
                level = 2;
            }
        }
        z.keyLo = keyLo, z.keyHi = keyHi;
        for (int v = std::max(velLo, 0); v <= std::min(velHi, 127); ++v)
            z.velocities.set(std::size_t(v));
        return z;
    };

    struct Out {
        std::string headers, bags, mods, gens;
    };
    // Copies a zone's generators and modulators, its target renumbered.
    auto copyZone = [&](const Level& l, std::size_t bag, Out& out, std::uint16_t newTarget) {
        put16(out.bags, std::uint16_t(out.gens.size() / 4));
        put16(out.bags, std::uint16_t(out.mods.size() / 10));
        const auto [gFirst, gEnd] = spanOf(l, bag, 0, l.gens);
        for (std::size_t g = gFirst; g < gEnd; ++g) {
            const std::uint16_t oper = word(l.gens, g, 0);
            if (oper == kInstrument && l.target == kInstrument) {
                put16(out.gens, oper);
                put16(out.gens, newTarget);
                break; // nothing after the instrument counts
            }
            out.gens.append(record(l.gens, g), 4);
        }
        const auto [mFirst, mEnd] = spanOf(l, bag, 2, l.mods);
        for (std::size_t m = mFirst; m < mEnd; ++m)
            out.mods.append(record(l.mods, m), 10);
    };
    auto header = [&](const Level& l, std::size_t h, Out& out) {
        std::string rec(record(l.headers, h), kRecord[l.headers]);
        const auto bag = std::uint16_t(out.bags.size() / 4);
        rec[l.bagField] = char(bag & 0xff);
        rec[l.bagField + 1] = char(bag >> 8);
        out.headers += rec;
    };
    auto close = [&](const Level& l, Out& out) {
        header(l, count(l.headers) - 1, out);
        put16(out.bags, std::uint16_t(out.gens.size() / 4));
        put16(out.bags, std::uint16_t(out.mods.size() / 10));
        out.mods.append(10, '\0');
        out.gens.append(4, '\0');
    };

    // The presets that sound, and what each zone they keep passes on to
    // its instrument.
    Out presets, instruments;
    std::set<std::uint16_t> samples;
    std::map<std::uint16_t, Reach::Notes> instrumentReach;
    std::vector<std::uint16_t> instrumentOrder;
    std::map<std::uint16_t, std::uint16_t> renumbered;
    const std::size_t instrumentCount = count(kInst) - 1;
    for (std::size_t p = 0; p + 1 < count(kPhdr); ++p) {
        const auto heard = reach.notes().find({word(kPhdr, p, 22), word(kPhdr, p, 20)});
        if (heard == reach.notes().end())
            continue;
        header(presetLevel, p, presets);
        const auto [first, end] = bagsOf(presetLevel, p);
        for (std::size_t bag = first; bag < end; ++bag) {
            const Zone z = zoneAt(presetLevel, bag);
            if (z.global) {
                if (bag == first)
                    copyZone(presetLevel, bag, presets, 0);
                continue;
            }
            const Reach::Notes passed = z.answers(heard->second);
            if (!any(passed) || z.target >= instrumentCount)
                continue;
            if (renumbered.emplace(z.target, std::uint16_t(instrumentOrder.size())).second)
                instrumentOrder.push_back(z.target);
            addTo(instrumentReach[z.target], passed);
            copyZone(presetLevel, bag, presets, renumbered[z.target]);
        }
    }
    close(presetLevel, presets);

    for (const std::uint16_t i : instrumentOrder) {
        header(instrumentLevel, i, instruments);
        const auto [first, end] = bagsOf(instrumentLevel, i);
        for (std::size_t bag = first; bag < end; ++bag) {
            const Zone z = zoneAt(instrumentLevel, bag);
            if (z.global ? bag == first : any(z.answers(instrumentReach[i])))
                copyZone(instrumentLevel, bag, instruments, 0);
            if (!z.global && z.target + 1u < count(kShdr) && any(z.answers(instrumentReach[i])))
                samples.insert(z.target);
        }
    }
    close(instrumentLevel, instruments);

    std::string body = "pdta";
    putChunk(body, "phdr", presets.headers);
    putChunk(body, "pbag", presets.bags);
    putChunk(body, "pmod", presets.mods);
    putChunk(body, "pgen", presets.gens);
    putChunk(body, "inst", instruments.headers);
    putChunk(body, "ibag", instruments.bags);
    putChunk(body, "imod", instruments.mods);
    putChunk(body, "igen", instruments.gens);
    putChunk(body, "shdr", parts_[kShdr]);
    Cut cut;
    putChunk(cut.lists, "LIST", body);
    for (const std::uint16_t sample : samples) {
        const std::uint64_t start = le32(record(kShdr, sample) + 20);
        const std::uint64_t end = le32(record(kShdr, sample) + 24);
        // Compressed samples count bytes, the others 16-bit points.
        const bool compressed = word(kShdr, sample, 44) & 0x10;
        cut.samples.emplace_back(samplesAt_ + (compressed ? start : 2 * start),
                                 samplesAt_ + (compressed ? end : 2 * end));
    }
    return cut;
}

} // namespace platform::music
