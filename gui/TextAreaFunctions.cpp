#include "TextAreaFunctions.h"

#include "GadgetFunctions.h"

namespace vandro {

int SetTextAreaText(const Ref<TGadget>& area, const String& text, int position, int length,
                    int units) {
    area->ReplaceText(position, length, text, units);
    return 0;
}

int AddTextAreaText(const Ref<TGadget>& area, const String& text) {
    area->AddText(text);
    return 0;
}

String TextAreaText(const Ref<TGadget>& area, int position, int length, int units) {
    return area->AreaText(position, length, units);
}

int TextAreaLength(const Ref<TGadget>& area, int units) { return area->AreaLen(units); }
int LockTextArea(const Ref<TGadget>& area) {
    area->LockText();
    return 0;
}
int UnlockTextArea(const Ref<TGadget>& area) {
    area->UnlockText();
    return 0;
}
int SetTextAreaTabs(const Ref<TGadget>& area, int tabs) {
    area->SetTabs(tabs);
    return 0;
}

int SetTextAreaMargins(const Ref<TGadget>& area, int margin) {
    area->SetMargins(margin);
    return 0;
}

int SetTextAreaFont(const Ref<TGadget>& area, const Ref<TGuiFont>& font) {
    return SetGadgetFont(area, font);
}

int SetTextAreaColor(const Ref<TGadget>& area, int red, int green, int blue, int background) {
    return SetGadgetColor(area, red, green, blue, background);
}

int TextAreaCursor(const Ref<TGadget>& area, int units) { return area->GetCursorPos(units); }

int TextAreaSelectionLength(const Ref<TGadget>& area, int units) {
    return area->GetSelectionLength(units);
}

int FormatTextAreaText(const Ref<TGadget>& area, int red, int green, int blue, int flags,
                       int position, int length, int units) {
    area->SetStyle(red, green, blue, flags, position, length, units);
    return 0;
}

int SelectTextAreaText(const Ref<TGadget>& area, int position, int length, int units) {
    area->SetSelection(position, length, units);
    return 0;
}

int TextAreaCharAt(const Ref<TGadget>& area, int line) { return area->CharAt(line); }
int TextAreaLineAt(const Ref<TGadget>& area, int index) { return area->LineAt(index); }
int TextAreaCharX(const Ref<TGadget>& area, int index) { return area->CharX(index); }
int TextAreaCharY(const Ref<TGadget>& area, int index) { return area->CharY(index); }
String TextFieldText(const Ref<TGadget>& field) { return field->GetText(); }

} // namespace vandro
