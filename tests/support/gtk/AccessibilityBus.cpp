#include "AccessibilityBus.h"

#include <gio/gio.h>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace vandro {

namespace {

constexpr const char* kConfig = "/usr/share/defaults/at-spi2/accessibility.conf";
constexpr const char* kRegistry = "/usr/libexec/at-spi2-registryd";

// The first line the daemon writes, its address.
std::string ReadLine(int fd) {
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

void End(GPid& pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    g_spawn_close_pid(pid);
    pid = 0;
}

} // namespace

TAccessibilityBus::TAccessibilityBus() { Start(); }

TAccessibilityBus::~TAccessibilityBus() {
    End(_registry);
    End(_daemon);
}

void TAccessibilityBus::Start() {
    if (!g_file_test(kConfig, G_FILE_TEST_EXISTS) || !g_file_test(kRegistry, G_FILE_TEST_EXISTS)) {
        _failure = "AT-SPI is not installed (apt-get install at-spi2-core)";
        return;
    }
    const std::string config = std::string("--config-file=") + kConfig;
    const char* daemon[] = {"dbus-daemon", config.c_str(), "--nofork", "--print-address=1",
                            nullptr};
    int out = -1;
    GError* error = nullptr;
    if (!g_spawn_async_with_pipes(nullptr, const_cast<char**>(daemon), nullptr,
                                  static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH |
                                                           G_SPAWN_DO_NOT_REAP_CHILD |
                                                           G_SPAWN_STDERR_TO_DEV_NULL),
                                  nullptr, nullptr, &_daemon, nullptr, &out, nullptr, &error)) {
        _failure = std::string("dbus-daemon did not start: ") + error->message;
        g_error_free(error);
        return;
    }
    const std::string address = ReadLine(out);
    close(out);
    if (address.empty()) {
        _failure = "dbus-daemon named no address";
        return;
    }
    // The bridge and the reader take the bus from here; the tests' environment turns the bridge
    // off for every other GTK test.
    g_setenv("AT_SPI_BUS_ADDRESS", address.c_str(), TRUE);
    g_unsetenv("NO_AT_BRIDGE");
    const char* registry[] = {kRegistry, nullptr};
    if (!g_spawn_async(nullptr, const_cast<char**>(registry), nullptr,
                       static_cast<GSpawnFlags>(G_SPAWN_DO_NOT_REAP_CHILD |
                                                G_SPAWN_STDOUT_TO_DEV_NULL |
                                                G_SPAWN_STDERR_TO_DEV_NULL),
                       nullptr, nullptr, &_registry, &error)) {
        _failure = std::string("the AT-SPI registry did not start: ") + error->message;
        g_error_free(error);
        return;
    }
    // GTK's bridge announces the program to the registry as it starts: the registry must be
    // there first, or the bus would start a second one.
    bool answers = false;
    for (int tries = 0; tries < 200 && !(answers = RegistryAnswers(address)); ++tries)
        g_usleep(10000);
    if (!answers)
        _failure = "the AT-SPI registry did not take its name on the bus";
}

bool TAccessibilityBus::RegistryAnswers(const std::string& address) const {
    GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    if (!bus)
        return false;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", "org.a11y.atspi.Registry"), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, nullptr);
    gboolean owned = FALSE;
    if (reply) {
        g_variant_get(reply, "(b)", &owned);
        g_variant_unref(reply);
    }
    g_dbus_connection_close_sync(bus, nullptr, nullptr);
    g_object_unref(bus);
    return owned;
}

TAccessibilityBus& AccessibilityBus() {
    static TAccessibilityBus bus;
    return bus;
}

} // namespace vandro
