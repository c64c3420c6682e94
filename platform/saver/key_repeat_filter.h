#pragma once
// Tells the release of a held key from the X server's key repeat. With repeat on, a
// held key sends release and press pairs that carry the same time stamp, one right
// after the other; only a release that no such press follows is real. The press may
// reach us a little later than its release (the toolkit reads the display connection
// on a thread of its own, and a busy machine may hold that thread back), so a release
// counts as real only once a whole further pass and kRepeatPressGraceMs have gone by.

#include <cstdint>
#include <optional>

namespace organsaver {

constexpr uint64_t kRepeatPressGraceMs = 100;

class KeyRepeatFilter {
 public:
  // What a press stands for, and whether a waiting release turned out real before it.
  struct PressResult {
    bool realReleaseBefore = false;  // the waiting release was of another key or time
    bool newPress = false;           // false: the press half of a repeat
  };

  // Holds the release back until it is known whether a repeat press follows.
  // Returns true when a release already waiting was a real one.
  // `arrivedMs` is when it reached us, on the clock that EndOfPass is given.
  bool Release(uint32_t key, uint64_t time, uint64_t arrivedMs);
  PressResult Press(uint32_t key, uint64_t time);
  // Called after each pass over the events at hand, at `nowMs`. Returns true, once, when
  // the waiting release has turned out real.
  bool EndOfPass(uint64_t nowMs);
  // Any other input between a release and a press makes the release a real one.
  // Returns true when a release was waiting.
  bool OtherEvent();
  bool ReleaseWaiting() const { return waiting_.has_value(); }

 private:
  struct Waiting {
    uint32_t key;
    uint64_t time;
    uint64_t arrivedMs;
    int passesEnded;
  };
  std::optional<Waiting> waiting_;
};

}  // namespace organsaver
