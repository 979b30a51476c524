#pragma once
// Small Standard MIDI Files written by hand, for tests of the music device.

#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace testing_support {

class TrackBytes {
  public:
    TrackBytes& at(std::uint32_t delta, std::initializer_list<int> bytes) {
        varLen(delta);
        for (int b : bytes)
            body_.append(static_cast<char>(b));
        return *this;
    }
    TrackBytes& at(std::uint32_t delta, const std::vector<int>& bytes) {
        varLen(delta);
        for (int b : bytes)
            body_.append(static_cast<char>(b));
        return *this;
    }
    TrackBytes& tempo(std::uint32_t delta, std::uint32_t usPerQuarter) {
        return at(delta, {0xFF, 0x51, 3, int(usPerQuarter >> 16), int((usPerQuarter >> 8) & 0xFF),
                          int(usPerQuarter & 0xFF)});
    }
    TrackBytes& end(std::uint32_t delta) { return at(delta, {0xFF, 0x2F, 0}); }
    QByteArray chunk() const { return QByteArray("MTrk") + be32(body_.size()) + body_; }

    static QByteArray be32(qsizetype v) {
        QByteArray b;
        for (int shift = 24; shift >= 0; shift -= 8)
            b.append(static_cast<char>((v >> shift) & 0xFF));
        return b;
    }

  private:
    void varLen(std::uint32_t v) {
        QByteArray b(1, static_cast<char>(v & 0x7F));
        while (v >>= 7)
            b.prepend(static_cast<char>(0x80 | (v & 0x7F)));
        body_ += b;
    }
    QByteArray body_;
};

inline QByteArray midiFile(const std::vector<TrackBytes>& tracks, int division = 480,
                           int format = 1) {
    QByteArray f("MThd");
    f += TrackBytes::be32(6);
    for (int v : {format, int(tracks.size()), division}) {
        f.append(static_cast<char>(v >> 8));
        f.append(static_cast<char>(v & 0xFF));
    }
    for (const TrackBytes& t : tracks)
        f += t.chunk();
    return f;
}

} // namespace testing_support
