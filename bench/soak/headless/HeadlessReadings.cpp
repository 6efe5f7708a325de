// On the headless platform the soak reads its heap in-process (what the allocator has handed
// out and not taken back; soak.sh turns glibc's thread cache off, whose blocks count as handed
// out) and its resident set from /proc.
#include "bench/soak/Readings.h"

#include <malloc.h>

#include <fstream>

namespace vandro {

const char* ReadingNames() { return "heap_bytes rss_kib"; }

std::string TakeReadings() {
    const struct mallinfo2 heap = mallinfo2();
    std::ifstream status("/proc/self/status");
    std::string line;
    std::string rss = "0";
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            rss = std::to_string(std::stol(line.substr(6)));
    return std::to_string(heap.uordblks) + " " + rss;
}

} // namespace vandro
