// Reads from outside what an X server holds for the clients of one process, as xrestop does
// (the XRes extension), and the process's resident set from /proc:
//   xres_reader <pid>   prints "clients windows pixmaps gcs pixmap_bytes rss_kib"
// A process's clients are all its connections (GTK's and the test user's), summed.
#include <X11/Xlib.h>
#include <X11/extensions/XRes.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long ResidentKib(long pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xres_reader <pid>\n");
        return 2;
    }
    const long pid = std::atol(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    int event = 0, error = 0;
    if (!display || !XResQueryExtension(display, &event, &error)) {
        std::fprintf(stderr, "xres_reader: no X display with the XRes extension\n");
        return 1;
    }
    XResClientIdSpec all{None, XRES_CLIENT_ID_PID_MASK};
    long count = 0;
    XResClientIdValue* ids = nullptr;
    XResQueryClientIds(display, 1, &all, &count, &ids);
    long clients = 0, windows = 0, pixmaps = 0, gcs = 0;
    unsigned long bytes = 0;
    for (long i = 0; i < count; ++i) {
        if (XResGetClientPid(&ids[i]) != pid)
            continue;
        ++clients;
        const XID client = ids[i].spec.client;
        int types = 0;
        XResType* resources = nullptr;
        XResQueryClientResources(display, client, &types, &resources);
        for (int t = 0; t < types; ++t) {
            char* name = XGetAtomName(display, resources[t].resource_type);
            const long held = resources[t].count;
            if (std::strcmp(name, "WINDOW") == 0)
                windows += held;
            else if (std::strcmp(name, "PIXMAP") == 0)
                pixmaps += held;
            else if (std::strcmp(name, "GC") == 0)
                gcs += held;
            XFree(name);
        }
        XFree(resources);
        unsigned long held = 0;
        XResQueryClientPixmapBytes(display, client, &held);
        bytes += held;
    }
    XResClientIdsDestroy(count, ids);
    XCloseDisplay(display);
    std::printf("%ld %ld %ld %ld %lu %ld\n", clients, windows, pixmaps, gcs, bytes,
                ResidentKib(pid));
    return 0;
}
