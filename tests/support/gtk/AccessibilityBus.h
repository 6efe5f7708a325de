// A private accessibility bus for the tests that read windows as a screen reader does: a D-Bus
// daemon of the accessibility kind with the AT-SPI registry on it, named in AT_SPI_BUS_ADDRESS.
// GTK's bridge and the reader in the same process meet there, on no session bus: two sessions
// on one display would break each other, and a session's daemons may outlive it.
#pragma once

#include <glib.h>

#include <string>

namespace vandro {

class TAccessibilityBus {
  public:
    // Starts the daemon and the registry and turns GTK's bridge on; call it before GTK starts.
    TAccessibilityBus();
    // Ends both, by their process ids.
    ~TAccessibilityBus();
    TAccessibilityBus(const TAccessibilityBus&) = delete;
    TAccessibilityBus& operator=(const TAccessibilityBus&) = delete;

    // Why the bus is not there; "" once it is.
    const std::string& Failure() const { return _failure; }

  private:
    void Start();
    bool RegistryAnswers(const std::string& address) const;

    GPid _daemon = 0;
    GPid _registry = 0;
    std::string _failure;
};

// The bus of this process, started on first use and ended at its exit.
TAccessibilityBus& AccessibilityBus();

} // namespace vandro
