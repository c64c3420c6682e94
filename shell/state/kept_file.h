#pragma once
// What organclock last saw of one of its files (the base of a merge): the bytes it last
// read or wrote and the stamp of that version. A file that could not be read is never
// written in the same run; a change made on disk meanwhile is found before each write.
#include <cstddef>
#include <string>

#include "platform/whole_file.h"

struct KeptFile {
  enum class State { NotRead, Read, Missing, Unreadable };
  State state = State::NotRead;
  std::string base;           // the content last read or written (when Read)
  platform::FileStamp stamp;  // of that content
  bool refusalTold = false;   // "cannot be saved" was said once
};

// Reads `name` into `bytes` and remembers it as the base. A file that exists but cannot
// be read marks the record Unreadable for the rest of the run.
platform::ReadResult ReadKeptFile(const std::string& name, KeptFile& kept, std::string& bytes,
                                  size_t limit = platform::kDefaultReadLimit);

// What the file holds on disk now.
struct DiskVersion {
  platform::ReadResult result = platform::ReadResult::Missing;
  std::string bytes;
  platform::FileStamp stamp;
};

// True when the file on disk no longer holds the base; `theirs` then says what it
// holds now. A version that merely has a new stamp but the base's bytes (a sync tool
// copying the same content back) only renews the stamp. A file never read has no base
// to compare with, and one removed meanwhile nothing to merge: false (the removed one
// counts as missing from then on, so the next write makes it anew).
bool KeptFileChangedOnDisk(const std::string& name, KeptFile& kept, DiskVersion& theirs,
                           size_t limit = platform::kDefaultReadLimit);
// After their version has been merged in: it is the new base.
void TakeAsBase(KeptFile& kept, const DiskVersion& theirs);

// Writes `bytes` and makes them the base. Never writes a file that could not be read.
bool WriteKeptFile(const std::string& name, KeptFile& kept, const std::string& bytes);

// True once per run for a file that could not be read: the caller says then that the
// change cannot be saved.
bool TakeRefusalNotice(KeptFile& kept);
