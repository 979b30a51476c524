#pragma once
// FluidSynth reads a cut SoundFont (SoundFontCut.h) as a file of its own:
// the original's bytes, with the new preset lists in place of its own, made
// up as they are read. Nothing is written to disk.

#include "platform/music/SoundFontCut.h"

#include <fluidsynth.h>
#include <memory>
#include <string>

namespace platform::music {

// Lets `synth` load cut SoundFonts by their names; before it loads any other.
bool addCutLoader(fluid_synth_t* synth, fluid_settings_t* settings);

// A cut of `index`, loadable by name() for as long as it lives. FluidSynth
// opens it again whenever it reads a preset's samples.
class CutFile {
  public:
    CutFile(const SoundFontIndex& index, const Reach& reach);
    // The file as it is, whole, for preset lists the cut cannot follow. It
    // is read through the same loader, so that only FluidSynth's own SoundFont
    // reader sees it (Debian's FluidSynth would otherwise also hand a file it
    // refuses to libinstpatch, which complains on standard error).
    explicit CutFile(const std::string& path);
    ~CutFile();
    CutFile(const CutFile&) = delete;
    CutFile& operator=(const CutFile&) = delete;

    const std::string& name() const { return name_; }
    // Asks the system to read the samples the cut keeps, all at once, so
    // that the disk serves them together rather than one after the other
    // as FluidSynth reads them.
    void readAhead() const;

    struct Layout;

  private:
    void remember(std::shared_ptr<const Layout> layout);

    std::string name_;
    std::string original_;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> samples_;
};

} // namespace platform::music
