// Starts programs under the X server of $DISPLAY and times each from fork to the map of its first
// top-level window. The programs take turns, so a load that comes and goes on the machine falls on
// all of them alike; the medians are compared. After the window is mapped the program is given a
// moment to paint, then its peak resident memory and the font files it has mapped are read from
// /proc before it is stopped.
#include "bench/proc.h"

#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double milliseconds = 0;
    long peakKiB = 0;
    std::set<std::string> fonts;
};

struct Program {
    std::string name;
    std::vector<std::string> command;
    std::vector<Run> runs;
};

// Waits for a top-level window of the program to be mapped; false on timeout or if it exits.
bool waitForMap(Display* display, pid_t pid, Clock::time_point deadline)
{
    pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return false;
        poll(&descriptor, 1, 10);
    }
    return false;
}

Run runOnce(Display* display, const std::vector<std::string>& command, int settleMs, int timeoutMs)
{
    XSync(display, True);
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // Its messages would only get in the way of the figures.
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        std::vector<char*> arguments;
        for (const std::string& word : command)
            arguments.push_back(const_cast<char*>(word.c_str()));
        arguments.push_back(nullptr);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    Run run;
    if (!waitForMap(display, pid, started + std::chrono::milliseconds(timeoutMs))) {
        std::fprintf(stderr, "%s: no window appeared\n", command[0].c_str());
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::exit(1);
    }
    run.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    run.peakKiB = proc::peakResidentKiB(pid);
    run.fonts = proc::mappedFonts(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return run;
}

template <class Value> double median(std::vector<Value> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

std::vector<std::string> words(const std::string& text)
{
    std::istringstream stream(text);
    std::vector<std::string> result;
    for (std::string word; stream >> word;)
        result.push_back(word);
    return result;
}

int usage()
{
    std::fprintf(stderr, "usage: startup [--runs N] [--settle MS] [--timeout MS] NAME=COMMAND...\n"
                         "the first program is compared with each of the others\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 11;
    int settleMs = 500;
    int timeoutMs = 20000;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (argument == "--settle" && i + 1 < argc)
            settleMs = std::atoi(argv[++i]);
        else if (argument == "--timeout" && i + 1 < argc)
            timeoutMs = std::atoi(argv[++i]);
        else if (const auto equals = argument.find('='); equals != std::string::npos)
            programs.push_back({argument.substr(0, equals), words(argument.substr(equals + 1)), {}});
        else
            return usage();
    }
    if (programs.empty() || runs < 1)
        return usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display %s\n", std::getenv("DISPLAY"));
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    for (int round = 0; round < runs; ++round) {
        for (Program& program : programs)
            program.runs.push_back(runOnce(display, program.command, settleMs, timeoutMs));
    }
    XCloseDisplay(display);

    std::printf("%-12s %14s %14s   (%d runs each, taking turns; medians)\n", "", "first window",
                "peak resident", runs);
    std::vector<double> times;
    std::vector<double> peaks;
    for (const Program& program : programs) {
        std::vector<double> milliseconds;
        std::vector<double> kib;
        for (const Run& run : program.runs) {
            milliseconds.push_back(run.milliseconds);
            kib.push_back(static_cast<double>(run.peakKiB));
        }
        times.push_back(median(milliseconds));
        peaks.push_back(median(kib));
        std::printf("%-12s %11.1f ms %10.1f MiB\n", program.name.c_str(), times.back(), peaks.back() / 1024);
    }
    for (std::size_t i = 1; i < programs.size(); ++i) {
        std::printf("%s / %s: time x%.2f, memory %+.1f MiB\n", programs[0].name.c_str(),
                    programs[i].name.c_str(), times[0] / times[i], (peaks[0] - peaks[i]) / 1024);
    }
    for (const Program& program : programs) {
        std::printf("fonts mapped by %s:", program.name.c_str());
        for (const std::string& font : program.runs.back().fonts)
            std::printf(" %s", font.c_str());
        std::printf("\n");
    }
    return 0;
}
