#include "GtkSlider.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/SliderRange.h"

#include <algorithm>
#include <cmath>

namespace vandro {

namespace {

void OnValueChanged(GtkAdjustment*, gpointer data) {
    Shielded([&] { static_cast<TGtkSlider*>(data)->Moved(); });
}

void OnLower(GtkButton*, gpointer data) {
    Shielded([&] { static_cast<TGtkSlider*>(data)->Step(-1); });
}

void OnRaise(GtkButton*, gpointer data) {
    Shielded([&] { static_cast<TGtkSlider*>(data)->Step(1); });
}

GtkWidget* ArrowButton(const char* icon) {
    GtkWidget* button = gtk_button_new_from_icon_name(icon, GTK_ICON_SIZE_MENU);
    gtk_widget_set_can_focus(button, FALSE);
    // Both arrows share the stepper's small rectangle: the theme's padding and least height
    // would push one of them out of it.
    GtkCssProvider* look = nullptr;
    ApplyCss(button, look, u"button{min-height:0;min-width:0;padding:0;}");
    gtk_widget_show(button);
    return button;
}

} // namespace

TGtkSlider::~TGtkSlider() {
    if (_adjustment)
        g_object_unref(_adjustment);
}

int TGtkSlider::Class() { return ClassSlider; }

Ref<TGadget> TGtkSlider::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    _slidertype = style & 0xFFFC;
    _ishorizontal = style & SliderHorizontal;
    const GtkOrientation orientation =
        _ishorizontal ? GTK_ORIENTATION_HORIZONTAL : GTK_ORIENTATION_VERTICAL;
    GtkWidget* widget = nullptr;
    switch (_slidertype) {
    case SliderScrollBar:
    case SliderTrackBar:
        _adjustment = GTK_ADJUSTMENT(g_object_ref_sink(gtk_adjustment_new(0, 0, 0, 1, 1, 0)));
        if (_slidertype == SliderScrollBar) {
            widget = gtk_scrollbar_new(orientation, _adjustment);
        } else {
            widget = gtk_scale_new(orientation, _adjustment);
            gtk_scale_set_draw_value(GTK_SCALE(widget), FALSE);
            gtk_range_set_round_digits(GTK_RANGE(widget), 0);
        }
        g_signal_connect(_adjustment, "value-changed", G_CALLBACK(OnValueChanged), this);
        break;
    case SliderStepper:
        // The raising arrow comes first where it is on top, last where it is on the right.
        widget = gtk_box_new(orientation, 0);
        _arrows[0] = ArrowButton(_ishorizontal ? "pan-start-symbolic" : "pan-down-symbolic");
        _arrows[1] = ArrowButton(_ishorizontal ? "pan-end-symbolic" : "pan-up-symbolic");
        gtk_box_pack_start(GTK_BOX(widget), _arrows[_ishorizontal ? 0 : 1], TRUE, TRUE, 0);
        gtk_box_pack_start(GTK_BOX(widget), _arrows[_ishorizontal ? 1 : 0], TRUE, TRUE, 0);
        g_signal_connect(_arrows[0], "clicked", G_CALLBACK(OnLower), this);
        g_signal_connect(_arrows[1], "clicked", G_CALLBACK(OnRaise), this);
        break;
    default:
        // No widget: the gadget answers its class and keeps its values, and nothing else.
        return Ref<TGadget>(this);
    }
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), widget, 0, 0);
    Register(ClassSlider, widget, nullptr);
    return Ref<TGadget>(this);
}

int TGtkSlider::isTabbable() { return _slidertype == SliderTrackBar ? 1 : 0; }

int TGtkSlider::SetRange(int visible, int total) {
    _visible = visible;
    _total = total;
    const TSliderRange range = SliderRange(_slidertype, visible, total);
    ++_busy;
    if (_adjustment && _slidertype == SliderScrollBar) {
        const int page = std::max(visible, 0);
        gtk_adjustment_configure(_adjustment, std::clamp(_value, range.lowest, range.highest), 0,
                                 static_cast<double>(range.highest) + page, 1, std::max(page, 1),
                                 page);
    } else if (_adjustment) {
        gtk_adjustment_configure(_adjustment, std::clamp(_value, range.lowest, range.highest),
                                 range.lowest, range.highest, 1, 1, 0);
        ShowTicks(range.lowest, range.highest);
    }
    --_busy;
    _value = std::clamp(_value, range.lowest, range.highest);
    return 0;
}

void TGtkSlider::ShowTicks(int lowest, int highest) {
    if (!_widget)
        return;
    GtkScale* scale = GTK_SCALE(_widget);
    gtk_scale_clear_marks(scale);
    const GtkPositionType side = _ishorizontal ? GTK_POS_BOTTOM : GTK_POS_RIGHT;
    const long long span = static_cast<long long>(highest) - lowest;
    const long long every = std::max(1LL, (span + kMostTicks - 1) / kMostTicks);
    for (long long value = lowest; value < highest; value += every)
        gtk_scale_add_mark(scale, static_cast<double>(value), side, nullptr);
    gtk_scale_add_mark(scale, highest, side, nullptr);
}

int TGtkSlider::SetProp(int value) {
    const TSliderRange range = SliderRange(_slidertype, _visible, _total);
    _value = std::clamp(value, range.lowest, range.highest);
    ++_busy;
    if (_adjustment)
        gtk_adjustment_set_value(_adjustment, _value);
    --_busy;
    return 0;
}

int TGtkSlider::GetProp() {
    return _adjustment ? static_cast<int>(std::lround(gtk_adjustment_get_value(_adjustment)))
                       : _value;
}

void TGtkSlider::Moved() {
    const int value = GetProp();
    if (_busy || value == _value)
        return;
    _value = value;
    PostGuiEvent(GadgetAction, value, 0, 0, 0, {});
}

void TGtkSlider::Step(int delta) {
    const TSliderRange range = SliderRange(_slidertype, _visible, _total);
    const int value = std::clamp(_value + delta, range.lowest, range.highest);
    if (value == _value)
        return;
    _value = value;
    PostGuiEvent(GadgetAction, value, 0, 0, 0, {});
}

} // namespace vandro
