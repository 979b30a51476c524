#include "app/CommandLine.h"

#include "platform/Application.h"

#include <cstdio>
#include <string_view>

#ifndef KOBUSATO_VERSION
#define KOBUSATO_VERSION "unknown"
#endif

namespace kobu {

const char* programVersion() {
    return KOBUSATO_VERSION;
}

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--version")
            options.version = true;
    }
    return options;
}

std::optional<int> answerCommandLine(const CommandLine& options, const char* program) {
    if (options.help) {
        std::printf("Usage: kobusato [--lang=ja | --lang=en]\n"
                    "       kobusato --help | --version\n"
                    "A small fighting-tournament game with Japanese texts.\n"
                    "\n"
                    "  -h, --help   show this help and exit\n"
                    "  --version    show the version and exit\n"
                    "  --lang=en    play this run in English (--lang=ja: in Japanese)\n"
                    "\n"
                    "The game opens a window on the desktop. Without one, run it under a virtual\n"
                    "display:\n"
                    "  %s\n",
                    platform::virtualDisplayCommand(program).c_str());
        return 0;
    }
    if (options.version) {
        std::printf("kobusato %s\n", programVersion());
        return 0;
    }
    return std::nullopt;
}

} // namespace kobu
