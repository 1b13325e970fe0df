#pragma once

#include <sys/types.h>

#include <set>
#include <string>

// What the kernel tells about a process's memory: its peak resident set (VmHWM) and the font
// files it has mapped, which are the fonts it has opened.
namespace proc {

long peakResidentKiB(pid_t pid);
std::set<std::string> mappedFonts(pid_t pid);

} // namespace proc
