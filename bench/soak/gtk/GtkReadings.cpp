// On GTK the soak has xres_reader, next to it, read its X clients' resources in the server and
// its resident set from outside, once GTK has sent everything and the server has done it; the
// driver's live widgets come from inside.
#include "bench/soak/Readings.h"

#include "gui/gtk/GtkGUIDriver.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vandro {

const char* ReadingNames() {
    return "widgets x_clients x_windows x_pixmaps x_gcs x_pixmap_bytes rss_kib";
}

std::string TakeReadings() {
    gdk_display_sync(gdk_display_get_default());
    const auto reader =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "xres_reader";
    const std::string command = "'" + reader.string() + "' " + std::to_string(getpid());
    std::string line = std::to_string(GtkDriver().liveWidgets);
    FILE* out = popen(command.c_str(), "r");
    char buffer[256] = {};
    if (out && std::fgets(buffer, sizeof buffer, out))
        line += " " + std::string(buffer, std::strcspn(buffer, "\n"));
    else
        line += " (xres_reader gave nothing)";
    if (out)
        pclose(out);
    return line;
}

} // namespace vandro
