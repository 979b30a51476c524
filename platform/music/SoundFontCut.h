#pragma once
// A SoundFont cut down to what one track can sound. FluidSynth reads a
// preset's samples when a channel chooses it, every zone's, for every key
// and velocity: a General MIDI piano is some twenty samples, where a track
// plays two octaves of it. The cut keeps the presets that play a note and,
// of those, only the zones a note of the track falls in; the samples keep
// their places in the original file, so that only the preset lists are new.

#include "platform/music/FluidParts.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::music {

// The notes, by key and velocity, that sound on each preset.
class Reach {
  public:
    // By key, the velocities heard.
    using Notes = std::array<std::bitset<128>, 128>;

    void add(PresetKey preset, int key, int velocity);
    void add(PresetKey preset, const Notes& notes);
    // Once a file retunes its keys, a key may choose the zone of another:
    // every key counts for the velocities heard.
    void everyKey();
    bool empty() const { return notes_.empty(); }
    const std::map<PresetKey, Notes>& notes() const { return notes_; }

  private:
    std::map<PresetKey, Notes> notes_;
};

// What a SoundFont's preset lists say, read once; the samples stay on disk.
class SoundFontIndex {
  public:
    // Nothing when the file is not a SoundFont whose preset lists the cut
    // can read; `notAFile` then says why when it is no regular file one can
    // read at all, and is left empty when it is one, for FluidSynth to try.
    static std::optional<SoundFontIndex> read(const std::string& path,
                                              std::string* notAFile = nullptr);
    // The same, for a file already in memory (tests, fuzzing).
    static std::optional<SoundFontIndex> parse(const std::string& path, const std::string& bytes);

    const std::string& path() const { return path_; }
    std::uint64_t fileSize() const { return fileSize_; }
    // The byte range of the preset lists' LIST chunk in the file.
    std::uint64_t listsStart() const { return listsStart_; }
    std::uint64_t listsEnd() const { return listsEnd_; }

    std::vector<PresetKey> presets() const;

    struct Cut {
        // A LIST chunk of preset lists holding only the presets and zones
        // that a Reach sounds, with every sample where the original has it.
        std::string lists;
        // Where in the file the samples of the zones kept lie, from and to.
        std::vector<std::pair<std::uint64_t, std::uint64_t>> samples;
    };
    Cut cut(const Reach& reach) const;

  private:
    enum Part { kPhdr, kPbag, kPmod, kPgen, kInst, kIbag, kImod, kIgen, kShdr, kParts };
    static bool parseLists(const std::string& lists, SoundFontIndex& index);
    // Whether `field` of each record of `headers` indexes `list` in order.
    bool inOrder(Part headers, std::size_t field, Part list, bool closingOptional) const;
    std::size_t count(Part part) const;
    std::uint16_t word(Part part, std::size_t record, std::size_t offset) const;
    const char* record(Part part, std::size_t index) const;

    std::string path_;
    std::uint64_t fileSize_ = 0;
    std::uint64_t listsStart_ = 0;
    std::uint64_t listsEnd_ = 0;
    std::uint64_t samplesAt_ = 0;
    std::string parts_[kParts];
};

} // namespace platform::music
