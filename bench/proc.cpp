#include "bench/proc.h"

#include <fstream>

namespace proc {

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

std::set<std::string> mappedFonts(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> fonts;
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string path = line.substr(slash);
        for (const std::string suffix : {".ttf", ".otf", ".ttc"}) {
            if (path.ends_with(suffix))
                fonts.insert(path.substr(path.rfind('/') + 1));
        }
    }
    return fonts;
}

} // namespace proc
