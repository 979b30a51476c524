#include "platform/music/CutLoader.h"

#include "platform/RegularFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <limits>
#include <mutex>
#include <unistd.h>

namespace platform::music {

// The file FluidSynth sees: the original up to its preset lists, the cut's
// lists, then whatever followed them.
struct CutFile::Layout {
    std::string original;
    std::string head; // RIFF and the file's new size
    std::uint64_t listsStart = 0;
    std::string lists;
    std::uint64_t after = 0; // where the original goes on after its lists
    std::uint64_t size = 0;
};

namespace {

using IndexCut = SoundFontIndex::Cut;

struct Registry {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<const CutFile::Layout>> cuts;
};

// Never destroyed: the music's thread may let go of its cut while the
// process runs its exit handlers.
Registry& registry() {
    static auto* r = new Registry;
    return *r;
}

struct Handle {
    std::shared_ptr<const CutFile::Layout> layout;
    int fd = -1;
    std::uint64_t at = 0;
};

bool readOriginal(int fd, char* into, std::uint64_t from, std::uint64_t count) {
    while (count > 0) {
        const ssize_t n = pread(fd, into, count, off_t(from));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        into += n, from += std::uint64_t(n), count -= std::uint64_t(n);
    }
    return true;
}

// Copies [at, at + count) of the memory part that starts at `start`.
void copyPart(const std::string& part, std::uint64_t start, char*& into, std::uint64_t& at,
              std::uint64_t& count) {
    if (at < start || at >= start + part.size() || count == 0)
        return;
    const std::uint64_t n = std::min<std::uint64_t>(count, start + part.size() - at);
    std::memcpy(into, part.data() + (at - start), n);
    into += n, at += n, count -= n;
}

// The file may have been swapped for a FIFO since it was read: that must
// not block FluidSynth for ever.
int openRegular(const std::string& path) {
    return RegularFile(path.c_str(), std::numeric_limits<std::int64_t>::max()).release();
}

void* openCut(const char* name) {
    std::shared_ptr<const CutFile::Layout> layout;
    {
        Registry& r = registry();
        const std::lock_guard lock(r.mutex);
        const auto it = r.cuts.find(name);
        if (it == r.cuts.end())
            return nullptr;
        layout = it->second;
    }
    const int fd = openRegular(layout->original);
    if (fd < 0)
        return nullptr;
    return new Handle{std::move(layout), fd, 0};
}

int readCut(void* buf, fluid_long_long_t count, void* handle) {
    auto* h = static_cast<Handle*>(handle);
    const CutFile::Layout& l = *h->layout;
    if (count < 0 || h->at + std::uint64_t(count) > l.size)
        return FLUID_FAILED;
    auto* into = static_cast<char*>(buf);
    std::uint64_t n = std::uint64_t(count);
    while (n > 0) {
        copyPart(l.head, 0, into, h->at, n);
        copyPart(l.lists, l.listsStart, into, h->at, n);
        if (n == 0)
            break;
        // From the original: before its lists, or after them.
        const bool before = h->at < l.listsStart;
        const std::uint64_t end = before ? l.listsStart : l.size;
        const std::uint64_t from =
            before ? h->at : l.after + (h->at - l.listsStart - l.lists.size());
        const std::uint64_t take = std::min(n, end - h->at);
        if (!readOriginal(h->fd, into, from, take))
            return FLUID_FAILED;
        into += take, h->at += take, n -= take;
    }
    return FLUID_OK;
}

int seekCut(void* handle, fluid_long_long_t offset, int origin) {
    auto* h = static_cast<Handle*>(handle);
    const fluid_long_long_t base = origin == SEEK_SET   ? 0
                                   : origin == SEEK_CUR ? fluid_long_long_t(h->at)
                                   : origin == SEEK_END ? fluid_long_long_t(h->layout->size)
                                                        : -1;
    if (base < 0 || base + offset < 0 || std::uint64_t(base + offset) > h->layout->size)
        return FLUID_FAILED;
    h->at = std::uint64_t(base + offset);
    return FLUID_OK;
}

fluid_long_long_t tellCut(void* handle) {
    return fluid_long_long_t(static_cast<Handle*>(handle)->at);
}

int closeCut(void* handle) {
    auto* h = static_cast<Handle*>(handle);
    ::close(h->fd);
    delete h;
    return FLUID_OK;
}

} // namespace

bool addCutLoader(fluid_synth_t* synth, fluid_settings_t* settings) {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (!loader)
        return false;
    if (fluid_sfloader_set_callbacks(loader, openCut, readCut, seekCut, tellCut, closeCut) !=
        FLUID_OK) {
        delete_fluid_sfloader(loader);
        return false;
    }
    fluid_synth_add_sfloader(synth, loader); // the synthesizer's from here on
    return true;
}

CutFile::CutFile(const SoundFontIndex& index, const Reach& reach) {
    auto layout = std::make_shared<Layout>();
    layout->original = index.path();
    layout->listsStart = index.listsStart();
    IndexCut cut = index.cut(reach);
    layout->lists = std::move(cut.lists);
    samples_ = std::move(cut.samples);
    original_ = index.path();
    layout->after = index.listsEnd();
    layout->size = layout->listsStart + layout->lists.size() + (index.fileSize() - layout->after);
    const std::uint64_t riff = layout->size - 8;
    layout->head = "RIFF";
    for (int shift = 0; shift < 32; shift += 8)
        layout->head += char((riff >> shift) & 0xff);
    remember(std::move(layout));
}

CutFile::CutFile(const std::string& path) : original_(path) {
    auto layout = std::make_shared<Layout>();
    layout->original = path;
    const RegularFile file(path.c_str(), std::numeric_limits<std::int64_t>::max());
    layout->size = file ? std::uint64_t(file.size()) : 0;
    layout->listsStart = layout->after = layout->size;
    remember(std::move(layout));
}

void CutFile::remember(std::shared_ptr<const Layout> layout) {
    static std::atomic<unsigned> serial{0};
    name_ = "kobusato-cut:" + std::to_string(++serial) + ":" + original_;
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    r.cuts.emplace(name_, std::move(layout));
}

void CutFile::readAhead() const {
    const int fd = openRegular(original_);
    if (fd < 0)
        return;
    for (const auto& [from, to] : samples_)
        if (to > from)
            posix_fadvise(fd, off_t(from), off_t(to - from), POSIX_FADV_WILLNEED);
    ::close(fd);
}

CutFile::~CutFile() {
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    r.cuts.erase(name_);
}

} // namespace platform::music
