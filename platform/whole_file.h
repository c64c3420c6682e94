#pragma once
// Files of the working directory, read and written whole within one operation.
// Names are matched without regard to case, so "Org1.dat" finds "org1.dat".
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The name of an existing file that matches `name` without regard to case (the exact
// name wins), or `name` itself when none matches.
std::string ResolveFileName(const std::string& name);

// What a read found. Only Missing means "there is no such file"; anything else that
// stops the read (permissions, an I/O error, a FIFO, device, socket or directory in its
// place, more than the allowed bytes) is Unreadable, and such a file must not be
// replaced by a program that could not see what it held.
enum class ReadResult { Read, Missing, Unreadable };

// The largest file read by default; the program's settings and text files stay far
// below it.
constexpr size_t kDefaultReadLimit = size_t{1} << 20;

// Reads the whole file without waiting on it and without following into anything but
// a regular file. Past `limit` bytes the read stops and the file counts as unreadable.
ReadResult ReadFile(const std::string& name, std::string& bytes, size_t limit = kDefaultReadLimit);

// ReadFile(...) == ReadResult::Read.
bool ReadWholeFile(const std::string& name, std::string& bytes, size_t limit = kDefaultReadLimit);

bool FileExists(const std::string& name);

// What identifies one version of a file on disk without reading it: a rename over it
// changes the inode, a write its size or modification time.
struct FileStamp {
  bool exists = false;
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampFile(const std::string& name);

// Writes `bytes` as the new content of the file: first completely into a temporary
// file beside it, flushed to disk, then put in place of the old file in one step. A
// failure at any point leaves the old file as it was and returns false. A link to a
// regular file is written through (the link stays); anything else that is not a
// regular file (a FIFO, a device, a link to one) is never replaced: false.
bool WriteWholeFile(const std::string& name, const std::string& bytes);

// Copies one file over another the same safe way. False if the source cannot be read
// or the target cannot be written.
bool CopyWholeFile(const std::string& from, const std::string& to);

// Removes what a save that was killed half way left behind: the temporary files that
// WriteWholeFile makes beside each of `names` in the working directory. Nothing else
// is touched.
void RemoveLeftoverTemporaryFiles(const std::vector<std::string>& names);

}  // namespace platform
