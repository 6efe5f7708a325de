#include "HeadlessHTMLView.h"

#include "events/headless/HeadlessSystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "runtime/Boxed.h"

#include <utility>

namespace vandro {

namespace {

// The load's view and number, carried through the system driver's input queue.
class TPendingLoad : public TObject {
  public:
    TPendingLoad(Ref<THeadlessHTMLView> view, int load) : view(std::move(view)), load(load) {}
    Ref<THeadlessHTMLView> view;
    int load;
};

int FinishPendingLoad(Object context) {
    const auto pending = Cast<TPendingLoad>(context);
    pending->view->FinishLoad(pending->load);
    return 0;
}

} // namespace

int THeadlessHTMLView::Activate(int command) {
    if (!Alive())
        return 0;
    int step = 0;
    if (command == ActivateBack)
        step = -1;
    if (command == ActivateForward)
        step = 1;
    if (step == 0)
        return THeadlessGadget::Activate(command);
    const int to = _current + step;
    if (to < 0 || to >= static_cast<int>(_history.size()))
        return 0;
    _current = to;
    StartLoad();
    return 0;
}

int THeadlessHTMLView::SetText(const String& address) {
    if (!Alive() || address.empty())
        return 0;
    _history.resize(static_cast<std::size_t>(_current + 1));
    _history.push_back(address);
    ++_current;
    StartLoad();
    return 0;
}

String THeadlessHTMLView::GetText() {
    if (!Alive())
        return {};
    return _current < 0 ? String(u"about:blank") : _history[static_cast<std::size_t>(_current)];
}

int THeadlessHTMLView::State() { return Alive() ? _loading : 0; }

int THeadlessHTMLView::Class() { return ClassHTMLView; }

Ref<TGadget> THeadlessHTMLView::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassHTMLView, 0);
    return Ref<TGadget>(this);
}

int THeadlessHTMLView::UserFollowLink(const String& address) {
    if (!Reachable())
        return 0;
    if (style & HTMLViewBlockNavigation)
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, Box(address));
    else
        SetText(address);
    return 1;
}

void THeadlessHTMLView::StartLoad() {
    _loading = 1;
    HeadlessSystem()->QueueInput(FinishPendingLoad,
                                 New<TPendingLoad>(Ref<THeadlessHTMLView>(this), ++_load));
}

void THeadlessHTMLView::FinishLoad(int load) {
    if (load != _load || !_loading || !Alive())
        return;
    _loading = 0;
    PostGuiEvent(GadgetDone, 0, 0, 0, 0, {});
}

} // namespace vandro
