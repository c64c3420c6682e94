#include "shell/state/kept_file.h"

platform::ReadResult ReadKeptFile(const std::string& name, KeptFile& kept, std::string& bytes,
                                  size_t limit) {
  // Stamped before reading: a change during the read then shows as a new stamp later.
  const platform::FileStamp stamp = platform::StampFile(name);
  const platform::ReadResult result = platform::ReadFile(name, bytes, limit);
  switch (result) {
    case platform::ReadResult::Read:
      kept.state = KeptFile::State::Read;
      kept.base = bytes;
      kept.stamp = stamp;
      break;
    case platform::ReadResult::Missing:
      if (kept.state != KeptFile::State::Unreadable) kept.state = KeptFile::State::Missing;
      kept.base.clear();
      kept.stamp = {};
      break;
    case platform::ReadResult::Unreadable: kept.state = KeptFile::State::Unreadable; break;
  }
  return result;
}

bool KeptFileChangedOnDisk(const std::string& name, KeptFile& kept, DiskVersion& theirs, size_t limit) {
  if (kept.state == KeptFile::State::NotRead) return false;
  theirs.stamp = platform::StampFile(name);
  if (theirs.stamp == kept.stamp) return false;
  theirs.result = platform::ReadFile(name, theirs.bytes, limit);
  if (theirs.result == platform::ReadResult::Missing) {
    // Removed meanwhile: there is nothing to merge, and the next write makes it anew.
    if (kept.state == KeptFile::State::Read) {
      kept.state = KeptFile::State::Missing;
      kept.base.clear();
      kept.stamp = {};
    }
    return false;
  }
  if (theirs.result == platform::ReadResult::Read && kept.state == KeptFile::State::Read &&
      theirs.bytes == kept.base) {
    kept.stamp = theirs.stamp;
    return false;
  }
  return true;
}

void TakeAsBase(KeptFile& kept, const DiskVersion& theirs) {
  if (theirs.result != platform::ReadResult::Read || kept.state == KeptFile::State::Unreadable) return;
  kept.state = KeptFile::State::Read;
  kept.base = theirs.bytes;
  kept.stamp = theirs.stamp;
}

bool WriteKeptFile(const std::string& name, KeptFile& kept, const std::string& bytes) {
  if (kept.state == KeptFile::State::Unreadable) return false;
  if (!platform::WriteWholeFile(name, bytes)) return false;
  kept.state = KeptFile::State::Read;
  kept.base = bytes;
  kept.stamp = platform::StampFile(name);
  return true;
}

bool TakeRefusalNotice(KeptFile& kept) {
  if (kept.state != KeptFile::State::Unreadable || kept.refusalTold) return false;
  kept.refusalTold = true;
  return true;
}
