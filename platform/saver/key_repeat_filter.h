#pragma once
// Tells the release of a held key from the X server's key repeat. With repeat on, a
// held key sends release and press pairs that carry the same time stamp, one right
// after the other; only a release that no such press follows is real.

#include <cstdint>
#include <optional>

namespace organsaver {

class KeyRepeatFilter {
 public:
  // What a press stands for, and whether a waiting release turned out real before it.
  struct PressResult {
    bool realReleaseBefore = false;  // the waiting release was of another key or time
    bool newPress = false;           // false: the press half of a repeat
  };

  // Holds the release back until it is known whether a repeat press follows.
  // Returns true when a release already waiting was a real one.
  bool Release(uint32_t key, uint64_t time);
  PressResult Press(uint32_t key, uint64_t time);
  // Called after each pass over the events at hand. A release that has waited through
  // a whole pass after its own is real: the repeat press comes in the same batch.
  bool EndOfPass();
  // Any other input between a release and a press makes the release a real one.
  // Returns true when a release was waiting.
  bool OtherEvent();
  bool ReleaseWaiting() const { return waiting_.has_value(); }

 private:
  struct Waiting {
    uint32_t key;
    uint64_t time;
    int passesEnded;
  };
  std::optional<Waiting> waiting_;
};

}  // namespace organsaver
