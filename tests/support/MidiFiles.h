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

// Two seconds at 120 beats a minute: a bass drum on the first beat, and a
// piano walking up C E G C, one note a beat. The tempo is in a track of its
// own, as most sequencers write it.
inline QByteArray twoSecondTune() {
    TrackBytes conductor;
    conductor.tempo(0, 500000).end(1920);
    TrackBytes band;
    band.at(0, {0xC0, 0})         // piano
        .at(0, {0x99, 36, 120})   // bass drum
        .at(0, {0x90, 60, 100})   // C4
        .at(240, {0x89, 36, 0})   //
        .at(240, {0x90, 60, 0})   // note-on at velocity 0 ends the note
        .at(0, {64, 100})         // E4, running status
        .at(480, {64, 0})         //
        .at(0, {67, 100})         // G4
        .at(480, {67, 0})         //
        .at(0, {72, 100})         // C5
        .at(480, {0x80, 72, 64}); //
    band.end(0);
    return midiFile({conductor, band});
}

} // namespace testing_support
