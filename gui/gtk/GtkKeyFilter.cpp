#include "GtkKeyFilter.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "events/gtk/GtkKeyCodes.h"
#include "gui/kinds/KeyFilter.h"

namespace vandro {

namespace {

constexpr int kCtrlOrAlt = 2 | 4;

gboolean OnFilteredKey(GtkWidget*, GdkEventKey* key, gpointer data) {
    const Ref<TGadget> gadget(static_cast<TGadget*>(data));
    bool swallowed = false;
    Shielded([&] {
        const int mods = ModifiersFromState(key->state);
        const int code = VirtualKeyOf(*key);
        if (code && !KeyFilterPasses(gadget, KeyDown, code, mods)) {
            swallowed = true;
            return;
        }
        // Ctrl and Alt make commands of the keys, not characters.
        const auto typed = static_cast<int>(gdk_keyval_to_unicode(key->keyval));
        swallowed = typed && !(mods & kCtrlOrAlt) && !KeyFilterPasses(gadget, KeyChar, typed, mods);
    });
    return swallowed ? TRUE : FALSE;
}

} // namespace

void FilterKeysOf(GtkWidget* widget, TGadget* gadget) {
    g_signal_connect(widget, "key-press-event", G_CALLBACK(OnFilteredKey), gadget);
}

} // namespace vandro
