// The abstract platform driver of the gadget toolkit: the one object through which the core
// makes gadgets, loads fonts and icon strips, shows the colour and font choosers and reads
// system names and colours. It also keeps which gadgets follow the current language.
#pragma once

#include "Gadget.h"
#include "GuiFont.h"
#include "IconStrip.h"
#include "gui/localization/Language.h"

#include "runtime/Map.h"

namespace vandro {

// The indexes of LookupColor.
enum SystemColor : int {
    ColorWindowBackground = 0,
    ColorGadgetBackground = 1,
    ColorGadgetText = 2,
    ColorSelection = 3,
    ColorLinkText = 4,
};

// The kinds of LibraryFont.
enum LibraryFontKind : int {
    FontGui = 0,
    FontSystem = 1,
    FontMonospaced = 2,
    FontSans = 3,
    FontSerif = 4,
    FontScript = 5,
};

class TVellumDriver : public TObject {
  public:
    TVellumDriver();

    // The slots below keep their order: platform drivers override them by slot.
    virtual String UserName();
    virtual String ComputerName();
    virtual Ref<TGuiFont> LoadFont(const String& name, int size, int style);
    virtual Ref<TGadget> CreateGadget(int gadgetClass, const String& text, int x, int y, int w,
                                      int h, const Ref<TGadget>& group, int style);
    virtual Ref<TGadget> ActiveGadget();
    // 0 when cancelled, else the colour as 0xFFRRGGBB.
    virtual int RequestColor(int red, int green, int blue);
    virtual Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font);
    virtual int SetPointer(int shape);
    virtual Ref<TIconStrip> LoadIconStrip(const Object& source);
    // The base fills the defaults for indexes 0 to 4, leaves the others alone, and answers 0;
    // a platform answers 1 when it supplied the colour.
    virtual int LookupColor(int index, unsigned char& red, unsigned char& green,
                            unsigned char& blue);
    virtual Ref<TGuiFont> LibraryFont(int kind, double size, int style);
    virtual Ref<TGuiFont> LoadFontWithDouble(const String& name, double size, int style);
    virtual int SetLocalizationMode(int mode);
    virtual int SetLanguage(const Ref<TVellumLanguage>& language);
    virtual int ApplyLanguage();
    virtual int SetGadgetLocalization(const Ref<TGadget>& gadget, const String& textKey,
                                      const String& tipKey);
    virtual int ApplyLocalization(const Ref<TGadget>& gadget);
    virtual int LocalizeGadgetItem(const Ref<TGadget>& gadget, int index);
    virtual int GadgetLocalized(const Ref<TGadget>& gadget);
    // The gadget keeps the text it shows now.
    virtual int DelocalizeGadget(const Ref<TGadget>& gadget);

    // Key: a gadget; value: a TStringArray of its text key and its tip key.
    Ref<TMap> _mapLocalized;
};

} // namespace vandro
