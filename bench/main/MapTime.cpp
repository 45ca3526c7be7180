// startup_map_time <window name> <settle ms> <program> [arguments...]: starts the program
// and waits for the X server to map a top-level window of that name. Prints one line,
// "<milliseconds from the start of the process to the map> <resident kB> <private kB>", the
// memory read <settle ms> after the map (once the window has painted), then ends the
// program. Run it on a display without a window manager, where top-level windows are the
// root's own children.

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string WindowName(Display* X, Window Id) {
    const Atom NetName = XInternAtom(X, "_NET_WM_NAME", False);
    const Atom Utf8 = XInternAtom(X, "UTF8_STRING", False);
    Atom Type = None;
    int Format = 0;
    unsigned long Count = 0;
    unsigned long After = 0;
    unsigned char* Data = nullptr;
    std::string Name;
    if (XGetWindowProperty(X, Id, NetName, 0, 1024, False, Utf8, &Type, &Format, &Count, &After,
                           &Data) == Success &&
        Data != nullptr) {
        Name.assign(reinterpret_cast<char*>(Data), Count);
        XFree(Data);
    }
    return Name;
}

// Resident and private (anonymous) memory of a process, in kB.
std::pair<long, long> Memory(pid_t Pid) {
    std::ifstream StatusFile("/proc/" + std::to_string(Pid) + "/status");
    long Resident = 0;
    long Private = 0;
    std::string Line;
    while (std::getline(StatusFile, Line)) {
        std::sscanf(Line.c_str(), "VmRSS: %ld", &Resident);
        std::sscanf(Line.c_str(), "RssAnon: %ld", &Private);
    }
    return {Resident, Private};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <window name> <settle ms> <program> [arguments...]\n",
                     argv[0]);
        return 2;
    }
    const std::string Wanted = argv[1];
    const int SettleMs = std::atoi(argv[2]);
    Display* X = XOpenDisplay(nullptr);
    if (X == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    XSelectInput(X, DefaultRootWindow(X), SubstructureNotifyMask);
    XSync(X, False);

    const Clock::time_point Start = Clock::now();
    const pid_t Child = fork();
    if (Child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    const Clock::time_point Deadline = Start + std::chrono::seconds(20);
    long MapMs = -1;
    while (MapMs < 0 && Clock::now() < Deadline) {
        if (XPending(X) == 0) {
            pollfd Connection{ConnectionNumber(X), POLLIN, 0};
            poll(&Connection, 1, 50);
            continue;
        }
        XEvent Event;
        XNextEvent(X, &Event);
        if (Event.type == MapNotify && WindowName(X, Event.xmap.window) == Wanted) {
            MapMs =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - Start).count();
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(SettleMs));
    const auto [Resident, Private] = Memory(Child);
    kill(Child, SIGTERM);
    waitpid(Child, nullptr, 0);
    XCloseDisplay(X);
    if (MapMs < 0) {
        std::fprintf(stderr, "no window named %s was mapped\n", Wanted.c_str());
        return 1;
    }
    std::printf("%ld %ld %ld\n", MapMs, Resident, Private);
    return 0;
}
