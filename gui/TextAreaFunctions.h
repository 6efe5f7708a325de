// The module functions of text areas. Positions and lengths count characters with units 1 and
// lines with units 2; a negative length reaches to the end.
#pragma once

#include "Gadget.h"
#include "GuiFont.h"

namespace vandro {

enum TextUnits : int {
    TextChars = 1,
    TextLines = 2,
};

int SetTextAreaText(const Ref<TGadget>& area, const String& text, int position = 0, int length = -1,
                    int units = TextChars);
int AddTextAreaText(const Ref<TGadget>& area, const String& text);
String TextAreaText(const Ref<TGadget>& area, int position = 0, int length = -1,
                    int units = TextChars);
int TextAreaLength(const Ref<TGadget>& area, int units = TextChars);
int LockTextArea(const Ref<TGadget>& area);
int UnlockTextArea(const Ref<TGadget>& area);
int SetTextAreaTabs(const Ref<TGadget>& area, int tabs);
int SetTextAreaMargins(const Ref<TGadget>& area, int margin);
int SetTextAreaFont(const Ref<TGadget>& area, const Ref<TGuiFont>& font);
int SetTextAreaColor(const Ref<TGadget>& area, int red, int green, int blue, int background = 1);
int TextAreaCursor(const Ref<TGadget>& area, int units = TextChars);
int TextAreaSelectionLength(const Ref<TGadget>& area, int units = TextChars);
// Flags are font style bits.
int FormatTextAreaText(const Ref<TGadget>& area, int red, int green, int blue, int flags,
                       int position = 0, int length = -1, int units = TextChars);
int SelectTextAreaText(const Ref<TGadget>& area, int position = 0, int length = -1,
                       int units = TextChars);
int TextAreaCharAt(const Ref<TGadget>& area, int line);
int TextAreaLineAt(const Ref<TGadget>& area, int index);
int TextAreaCharX(const Ref<TGadget>& area, int index);
int TextAreaCharY(const Ref<TGadget>& area, int index);
String TextFieldText(const Ref<TGadget>& field);

} // namespace vandro
