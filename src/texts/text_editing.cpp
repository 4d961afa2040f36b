#include "texts/text_editing.h"

namespace {

int lastPosition(int maxLength) { return maxLength > 0 ? maxLength - 1 : 0; }

}  // namespace

int fieldTextLength(const char* text, int maxLength) {
  int length = 0;
  while (length < maxLength && text[length] != '\0') ++length;
  return length;
}

int clampCaret(const char* text, int maxLength, int caret) {
  const int length = fieldTextLength(text, maxLength);
  const int last = lastPosition(maxLength);
  if (caret > length) caret = length;
  if (caret > last) caret = last;
  return caret < 0 ? 0 : caret;
}

int typeIntoField(char* text, int maxLength, int caret, char typed) {
  if (maxLength <= 0) return 0;
  const int length = fieldTextLength(text, maxLength);
  const int at = clampCaret(text, maxLength, caret);
  // The last character is lost when the text is full.
  const int newLength = length < maxLength ? length + 1 : maxLength;
  for (int i = newLength - 1; i > at; --i) text[i] = text[i - 1];
  text[at] = typed;
  text[newLength] = '\0';
  return at < lastPosition(maxLength) ? at + 1 : at;
}

int backspaceInField(char* text, int maxLength, int caret) {
  const int at = clampCaret(text, maxLength, caret);
  if (at == 0) return 0;
  deleteInField(text, maxLength, at - 1);
  return at - 1;
}

int deleteInField(char* text, int maxLength, int caret) {
  const int length = fieldTextLength(text, maxLength);
  const int at = clampCaret(text, maxLength, caret);
  if (at >= length) return at;
  for (int i = at; i < length - 1; ++i) text[i] = text[i + 1];
  text[length - 1] = '\0';
  return at;
}

int caretRightInField(const char* text, int maxLength, int caret) {
  const int at = clampCaret(text, maxLength, caret);
  return at < lastPosition(maxLength) && at < fieldTextLength(text, maxLength) ? at + 1 : at;
}

int caretEndOfField(const char* text, int maxLength) { return clampCaret(text, maxLength, maxLength); }

int caretForColumn(const char* text, int maxLength, int column) {
  if (column < 0 || fieldTextLength(text, maxLength) < column) return 0;
  return clampCaret(text, maxLength, column);
}
