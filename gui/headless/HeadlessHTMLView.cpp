#include "HeadlessHTMLView.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

namespace vandro {

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
    Loaded();
    return 0;
}

int THeadlessHTMLView::SetText(const String& address) {
    if (!Alive() || address.empty())
        return 0;
    _history.resize(static_cast<std::size_t>(_current + 1));
    _history.push_back(address);
    ++_current;
    Loaded();
    return 0;
}

String THeadlessHTMLView::GetText() {
    if (!Alive())
        return {};
    return _current < 0 ? String(u"about:blank") : _history[static_cast<std::size_t>(_current)];
}

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

void THeadlessHTMLView::Loaded() { PostGuiEvent(GadgetDone, 0, 0, 0, 0, {}); }

} // namespace vandro
