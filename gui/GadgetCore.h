// The toolkit core's module state: the blank gadget that new proxies front, the drag-source
// table the driver fills, and the localize and gadget-freed hooks the driver module installs.
#pragma once

#include "Gadget.h"

namespace vandro {

using LocalizeFunction = Function<String(const String& text)>;
using GadgetFreedFunction = Function<void(const Ref<TGadget>& gadget)>;

// Starts the event module, names the drag events and makes the blank gadget; runs once.
void StartGadgetCore();

// A gadget whose operations all do nothing; null before the core has started.
Ref<TGadget> BlankGadget();

// What a drag with mouse button 1 to 3 started on; null for any other button.
Ref<TGadget> DragSource(int button);
// Raises a runtime error for a button outside 1 to 3.
void SetDragSource(int button, const Ref<TGadget>& gadget);
// Empties every slot that holds the gadget.
void ClearDragSource(const TGadget* gadget);

// Both hooks start as the null function: texts then pass unchanged and nothing is told.
void SetLocalizeHook(LocalizeFunction hook);
LocalizeFunction LocalizeHook();
void SetGadgetFreedHook(GadgetFreedFunction hook);
GadgetFreedFunction GadgetFreedHook();

// The text through the localize hook.
String LocalizeItemText(const String& text);
// Tells the gadget-freed hook, if one is set.
void NotifyGadgetFreed(const Ref<TGadget>& gadget);

} // namespace vandro
