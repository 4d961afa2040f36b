// Small replacements for what the game expects of its platform and Linux
// does not offer: integer to text, a wildcard directory search and a file
// write that never leaves a half-written file behind.
#pragma once
#include <sys/types.h>

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
// every write, the sync of the data to the disk and the close are checked,
// then the temporary file is renamed over path and the folder is synced, so
// that after a crash path is either its old or its new whole self. On a
// failure before the rename path is left as it was; any failure, the
// folder's sync included, returns false.
bool writeFileSafely(const char* path, const void* data, size_t size);

// True when path may be replaced by a save: it does not exist yet, or it is
// a regular file that is not marked read-only (also where the rename that
// replaces it would be allowed).
bool mayReplaceFile(const char* path);

// Makes the written data of an open file (or a folder's entries) reach the
// disk; false when the disk reports a failure. Tests play a failing disk
// through syncToDiskOverride (model/hooks.h).
bool syncToDisk(int fd);

// Opens path with the open flags given, never waiting (a pipe of that name
// cannot hang the game), and keeps it open only when it is a regular file:
// returns the descriptor and the file's size in size, else -1.
int openRegularFile(const char* path, int flags, off_t& size);
