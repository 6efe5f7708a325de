// A gadget with a pretend native side: it records what the core tells the driver, answers its
// client size from settable values and keeps the item states as a driver would.
#pragma once

#include "gui/Gadget.h"

#include <vector>

namespace vandro {

struct Rect {
    int x, y, w, h;
    bool operator==(const Rect&) const = default;
};

class TRecordingGadget : public TGadget {
  public:
    // Calls that matter across gadgets (Free, Rethink) also go to the shared journal.
    explicit TRecordingGadget(String label = u"", std::vector<String>* journal = nullptr)
        : label(std::move(label)), journal(journal) {}

    int Free() override;
    int Rethink() override;
    int ClientWidth() override { return clientWidth; }
    int ClientHeight() override { return clientHeight; }
    int Class() override { return kind; }
    int ClearListItems() override;
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override;
    int SetListItem(int index, const String& text, const String& tip, int icon,
                    const Object& extra) override;
    int RemoveListItem(int index) override;
    int SetListItemState(int index, int state) override;
    int ListItemState(int index) override;

    // The texts of the items the driver shows, in order.
    String ShownTexts() const;

    String label;
    std::vector<String>* journal;
    int clientWidth = 0;
    int clientHeight = 0;
    int kind = 0;
    std::vector<String> calls;
    std::vector<Rect> rethinks;
    std::vector<String> shown;
    std::vector<int> states;

  private:
    void Record(const String& call);
};

} // namespace vandro
