#pragma once
// SoundFonts with preset lists written by hand, for tests of the SoundFont
// cut and the music device: the small General MIDI font's own, or lists
// shaped as a hostile file shapes them.

#include <QByteArray>
#include <QFile>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

inline const char* const kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

inline QByteArray fileBytes(const char* path) {
    QFile f(QString::fromLatin1(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline std::uint32_t le32At(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}

// Where a SoundFont's pdta LIST chunk starts, or -1.
inline qsizetype presetListsAt(const QByteArray& font) {
    for (qsizetype pos = 12; pos + 12 <= font.size();) {
        const qsizetype size = le32At(font, pos + 4);
        if (font.mid(pos + 8, 4) == "pdta")
            return pos;
        pos += 8 + size + (size & 1);
    }
    return -1;
}

// The preset lists of a SoundFont, without their LIST header: what the
// index parses.
inline std::string presetLists(const QByteArray& font) {
    const qsizetype at = presetListsAt(font);
    return at < 0 ? std::string() : font.mid(at + 12, le32At(font, at + 4) - 4).toStdString();
}

// The font with other preset lists in place of its own.
inline QByteArray withPresetLists(const QByteArray& font, const std::string& lists) {
    const qsizetype at = presetListsAt(font);
    QByteArray out = font.left(at);
    const auto put32 = [](QByteArray& b, std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            b.append(char((v >> shift) & 0xff));
    };
    out += "LIST";
    put32(out, std::uint32_t(lists.size() + 4));
    out += "pdta";
    out += QByteArray::fromStdString(lists);
    const QByteArray size = [&] {
        QByteArray b;
        put32(b, std::uint32_t(out.size() - 8));
        return b;
    }();
    out.replace(4, 4, size);
    return out;
}

// Preset lists chunk by chunk, in the order a SoundFont keeps them.
class ListBytes {
  public:
    ListBytes& chunk(const char* id) {
        parts_.emplace_back(id, std::string());
        return *this;
    }
    ListBytes& w16(std::uint32_t v) {
        parts_.back().second += char(v & 0xff);
        parts_.back().second += char((v >> 8) & 0xff);
        return *this;
    }
    ListBytes& raw(const std::string& bytes) {
        parts_.back().second += bytes;
        return *this;
    }
    // A preset or instrument header: a name, then its numbers.
    ListBytes& name(const char* n) {
        return raw(std::string(n).append(20 - std::string(n).size(), '\0'));
    }
    std::string bytes() const {
        std::string out;
        for (const auto& [id, body] : parts_) {
            out += id;
            for (int shift = 0; shift < 32; shift += 8)
                out += char((body.size() >> shift) & 0xff);
            out += body;
        }
        return out;
    }

  private:
    std::vector<std::pair<std::string, std::string>> parts_;
};

// Preset lists whose presets overlap: each of `presets` presets points at
// bag 0 and is followed by a dummy that points at the last bag, and the
// bags alternate between the first generator and the last, so that every
// zone seems to hold them all. `shdr` is the sample headers' chunk body.
inline std::string overlappingPresetLists(int presets, int bags, const std::string& shdr) {
    ListBytes l;
    l.chunk("phdr");
    for (int p = 0; p < presets; ++p) {
        l.name("overlap").w16(std::uint32_t(p)).w16(0).w16(0);
        l.w16(0).w16(0).w16(0).w16(0).w16(0).w16(0);
        l.name("dummy")
            .w16(std::uint32_t(p))
            .w16(1)
            .w16(std::uint32_t(bags))
            .w16(0)
            .w16(0)
            .w16(0)
            .w16(0)
            .w16(0)
            .w16(0);
    }
    l.name("EOP").w16(0).w16(0).w16(std::uint32_t(bags)).w16(0).w16(0).w16(0).w16(0).w16(0).w16(0);
    l.chunk("pbag");
    for (int b = 0; b <= bags; ++b)
        l.w16(b % 2 ? std::uint32_t(bags) : 0).w16(0);
    l.chunk("pmod").raw(std::string(10, '\0'));
    l.chunk("pgen");
    for (int g = 0; g < bags; ++g)
        l.w16(8).w16(1000); // a filter cutoff, any generator will do
    l.w16(41).w16(0);       // the instrument ends the zone
    l.chunk("inst").name("instrument").w16(0).name("EOI").w16(1);
    l.chunk("ibag").w16(0).w16(0).w16(1).w16(0);
    l.chunk("imod").raw(std::string(10, '\0'));
    l.chunk("igen").w16(53).w16(0).w16(0).w16(0);
    l.chunk("shdr").raw(shdr);
    return l.bytes();
}

// The sample headers' chunk body of a font's preset lists.
inline std::string sampleHeaders(const std::string& lists) {
    const std::size_t at = lists.find("shdr");
    if (at == std::string::npos)
        return {};
    const auto* p = reinterpret_cast<const unsigned char*>(lists.data() + at + 4);
    return lists.substr(at + 8, p[0] | p[1] << 8 | p[2] << 16 | std::size_t(p[3]) << 24);
}

} // namespace testing_support
