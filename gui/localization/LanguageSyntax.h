// The syntax of a language file's lines: comments, escapes, and the quoting with which every
// definition reads back exactly as it was written.
#pragma once

#include "runtime/Object.h"

namespace vandro {

// The line up to where its comment starts.
String CutComment(const String& line);
// Replaces each escape (a backslash and one character) by the character it stands for.
String Unescape(const String& line);
// The text between double quotes, the characters that a line would not carry escaped.
String QuotedText(const String& definition);
// The key as a line must begin with to give it back, quoted when its ends would be stripped.
String FileKey(const String& key);
// Whether a line can carry the key at all: one "=" or ";" in it would end the key early.
bool IsWritableKey(const String& key);

} // namespace vandro
