// A driver that backs gadgets with a platform's native elements. It takes the steps every
// platform takes when it makes a gadget (text or localization key, group, shape, default font,
// enabled state from the group, shown, sensitized last); a platform supplies the native step:
// its gadget object for each class, from a table.
#pragma once

#include "gui/GadgetConstants.h"
#include "gui/VellumDriver.h"

#include <array>
#include <utility>

namespace vandro {

// How a platform makes its object of one gadget class: the native element made inside the
// group with the style and the creation text.
using GadgetMaker = Ref<TGadget> (*)(const Ref<TGadget>& group, int style, const String& text);

constexpr int kGadgetClasses = ClassCanvas + 1;
// A platform's maker of each gadget class, and its name as an error names it. The desktop has
// none (it is the platform's DesktopGadget); a class without one is a kind the platform lacks.
struct TGadgetKinds {
    const char16_t* platform;
    std::array<GadgetMaker, kGadgetClasses> makers{};
};

// The maker of the kind of a class: the kind's own Make where it has one; else a tree node
// goes last under the node given as its group, with no icon, and any other kind is made with
// the creation text.
template <int Class, class Kind>
Ref<TGadget> MakeKind(const Ref<TGadget>& group, int style, const String& text) {
    if constexpr (requires { Kind::Make(group, style, text); })
        return Kind::Make(group, style, text);
    else if constexpr (Class == ClassTreeNode)
        return New<Kind>()->Create(group, style, text, -1, -1);
    else
        return New<Kind>()->Create(group, style, text);
}

// The maker of a class the program makes; none for any other, whose kind then goes unlinked.
template <int Class, class Kind, bool (*Made)(int)> constexpr GadgetMaker MakerOf() {
    if constexpr (Made(Class))
        return MakeKind<Class, Kind>;
    else
        return nullptr;
}

// A platform's table from its kinds, listed in the order of their classes from ClassWindow to
// ClassCanvas; made at the first call. Made(class) says which classes the program makes: the
// makers of the others are left out, and with them their kinds' code.
template <bool (*Made)(int), class... Kinds>
const TGadgetKinds& GadgetKindsOf(const char16_t* platform) {
    static_assert(sizeof...(Kinds) == kGadgetClasses - 1, "a kind for every class but the desktop");
    static const TGadgetKinds kinds = [platform]<std::size_t... At>(std::index_sequence<At...>) {
        return TGadgetKinds{platform,
                            {nullptr, MakerOf<static_cast<int>(At) + 1, Kinds, Made>()...}};
    }
    (std::index_sequence_for<Kinds...>{});
    return kinds;
}

constexpr bool EveryClass(int) { return true; }

// The table of a program that makes gadgets of every class.
template <class... Kinds> const TGadgetKinds& GadgetKindsOf(const char16_t* platform) {
    return GadgetKindsOf<EveryClass, Kinds...>(platform);
}

class TPlatformDriver : public TVellumDriver {
  public:
    // The environment variables "username" and "userdomain"; where one is unset, the
    // platform's own name for it.
    String UserName() override;
    String ComputerName() override;
    // A whole size in points loads as that size.
    Ref<TGuiFont> LoadFont(const String& name, int size, int style) override;
    Ref<TGadget> CreateGadget(int gadgetClass, const String& text, int x, int y, int w, int h,
                              const Ref<TGadget>& group, int style) override;
    // The colour chooser's choice as 0xFFRRGGBB; 0 when cancelled.
    int RequestColor(int red, int green, int blue) override;
    // Indexes 0 to 4 from the platform's system colours, answering 1; others go to the base.
    int LookupColor(int index, unsigned char& red, unsigned char& green,
                    unsigned char& blue) override;

    // The platform's object for a gadget class from its table, its native element made inside
    // the group with the style, and with the text for the classes made with one (text fields,
    // combo boxes, toolbars, menus, tree nodes); the desktop for class 0; null for a number
    // outside the classes.
    virtual Ref<TGadget> GadgetInstanceFromClass(int gadgetClass, const Ref<TGadget>& group,
                                                 int style, const String& text);
    virtual const TGadgetKinds& GadgetKinds() = 0;
    // The one desktop gadget, the group of windows made without one.
    Ref<TGadget> DesktopGadget() const { return _desktop; }
    // The font every new control starts with.
    Ref<TGuiFont> DefaultGadgetFont() const { return _defaultFont; }

  protected:
    // For a gadget class the platform has no native element for (yet): a runtime error that
    // names the kind and the platform, instead of a gadget that pretends. Answers null for a
    // number outside the gadget classes.
    Ref<TGadget> MissingGadgetKind(int gadgetClass, const String& platform);

    // The native halves.
    // An environment variable as the platform keeps it; "" when unset.
    virtual String EnvironmentValue(const char* name);
    // The names for an unset "username" and "userdomain"; "" unless the platform has its own.
    virtual String LoginName();
    virtual String HostName();
    // The colour the user chose in the platform's chooser, preset with red, green and blue, as
    // 0xRRGGBB; negative when cancelled.
    virtual int RunColorChooser(int red, int green, int blue) = 0;
    // The system colour for an index from 0 to 4, as red + (green << 8) + (blue << 16).
    virtual int SystemColor(int index) = 0;

    // Set by the platform when it starts.
    Ref<TGadget> _desktop;
    Ref<TGuiFont> _defaultFont;
};

// A platform whose fonts and icon strips are classes of its own: Font loads a face
// (Load(name, points, style)), asks the user for one (Request) and, where it has one, gives
// the system's interface font (SystemFont); Strip is cut from a source (Create).
template <class Font, class Strip> class TPlatformDriverOf : public TPlatformDriver {
  public:
    Ref<TGuiFont> LoadFontWithDouble(const String& name, double size, int style) override {
        return New<Font>()->Load(name, size, style);
    }
    Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font) override { return Font::Request(font); }
    Ref<TGuiFont> LibraryFont(int kind, double size, int style) override {
        // No size (none above 0, or not a number) is the system font's own.
        if constexpr (requires { Font::SystemFont(size, style); })
            if (kind == FontSystem)
                return Font::SystemFont(size > 0 ? size : 0, style);
        return TVellumDriver::LibraryFont(kind, size, style);
    }
    Ref<TIconStrip> LoadIconStrip(const Object& source) override { return Strip::Create(source); }
};

// The default font of the current driver when it is a platform's; else null.
Ref<TGuiFont> PlatformDefaultFont();

// A tree node is made only under a node of a tree (the root from TreeViewRoot, or another
// node); every platform refuses any other parent with the same runtime error.
[[noreturn]] void RefuseTreeNodeParent();

} // namespace vandro
