// Typing into a one-line text field held in a fixed character buffer, as the
// settings screen's number fields and the team setup's names do. A field
// shows at most maxLength characters in a buffer of at least maxLength + 1
// bytes; the caret is the position the next character goes to, 0 to
// maxLength - 1, so typing at the last position replaces the last character.
//
// A buffer may come from a file with anything behind its terminator, or with
// no terminator within maxLength characters: every function reads at most
// maxLength characters, writes nothing beyond byte maxLength, takes a caret
// beyond the text as standing at its end, and leaves an edited text
// terminated right behind its last character, so no old byte ever becomes
// part of it. Each edit returns the new caret.
#pragma once

// The characters before the terminator, at most maxLength.
int fieldTextLength(const char* text, int maxLength);

// The caret brought within the text: 0 to the text's length, and at most
// maxLength - 1.
int clampCaret(const char* text, int maxLength, int caret);

// The typed character goes in at the caret; the characters from the caret
// on move one place right and one beyond maxLength drops off. The caret
// moves one right unless it stands on the last position.
int typeIntoField(char* text, int maxLength, int caret, char typed);

// Backspace: the character before the caret goes, the caret moves one left.
int backspaceInField(char* text, int maxLength, int caret);

// Delete: the character under the caret goes; nothing at the end.
int deleteInField(char* text, int maxLength, int caret);

// The caret keys: one right while a character stands under it and it is
// before the last position; End to the text's end, at most the last position.
int caretRightInField(const char* text, int maxLength, int caret);
int caretEndOfField(const char* text, int maxLength);

// A click in the field's character column: the caret goes there when the
// text reaches that column, else to 0.
int caretForColumn(const char* text, int maxLength, int column);
