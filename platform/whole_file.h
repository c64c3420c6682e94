#pragma once
// Files of the working directory, read and written whole within one operation.
// Names are matched without regard to case, so "Org1.dat" finds "org1.dat".
#include <string>

namespace platform {

// The name of an existing file that matches `name` without regard to case (the exact
// name wins), or `name` itself when none matches.
std::string ResolveFileName(const std::string& name);

// Reads the whole file. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& name, std::string& bytes);

bool FileExists(const std::string& name);

// Writes `bytes` as the new content of the file: first completely into a temporary
// file beside it, flushed to disk, then put in place of the old file in one step. A
// failure at any point leaves the old file as it was and returns false.
bool WriteWholeFile(const std::string& name, const std::string& bytes);

// Copies one file over another the same safe way. False if the source cannot be read
// or the target cannot be written.
bool CopyWholeFile(const std::string& from, const std::string& to);

}  // namespace platform
