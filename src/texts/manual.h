// The manual of the game in the four interface languages and its division
// into pages for the manual screen.
#pragma once
#include <cstdint>

const int MANUAL_TEXT_SIZE = 7000;
const int MANUAL_MAX_PAGES = 11;

// The manual of the current language with its mark-up (Latin-1).
extern char manualText[MANUAL_TEXT_SIZE];

// Where each page starts in manualText; entries from manualPageCount on
// point at the end of the text.
extern char* manualPageStarts[MANUAL_MAX_PAGES];
extern uint8_t manualPageCount;  // at least 1
extern uint8_t manualPage;       // the page shown, 0 = first

// The manual of a language (0 German, 1 English, 2 French, 3 Dutch), or null
// for any other value.
const char* manualForLanguage(int languageNumber);

// Splits manualText into pages for the current drawing width and lines per
// page, with the same layout the manual screen draws with. At most 11 pages;
// the shown page is brought back inside the page count.
void paginateManual();
