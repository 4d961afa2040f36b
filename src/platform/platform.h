// Small replacements for what the game expects of its platform and Linux
// does not offer: integer to text, a wildcard directory search and a file
// write that never leaves a half-written file behind.
#pragma once
#include <cstddef>
#include <string>

// Writes value in the given radix (2 to 36) into buffer and returns it;
// negative values get a minus sign in radix 10 only, as the classic itoa.
char* itoa(int value, char* buffer, int radix);

// A search of the working directory (or any folder) for names matching a
// wildcard pattern with "*" and "?". Matching is case-sensitive. Every
// entry is reported, hidden names included, folders as well as files.
struct FileSearch;

// Starts a search for pattern (which may carry a folder part such as
// "saves/*.velq"); on a match stores the bare name in name and returns the
// search handle, else returns null. The handle must be closed.
FileSearch* findFirstFile(const char* pattern, std::string& name);
// The next match, or false when there is none left.
bool findNextFile(FileSearch* search, std::string& name);
void findCloseFile(FileSearch* search);

// True when name matches the wildcard pattern ("*" any run, "?" any byte).
bool wildcardMatch(const char* pattern, const char* name);

// Writes size bytes to path through a temporary file in the same folder:
// every write and the close are checked, then the temporary file is renamed
// over path. On any failure path is left as it was and false is returned.
bool writeFileSafely(const char* path, const void* data, size_t size);
