#include "platform/saver/key_repeat_filter.h"

namespace organsaver {

bool KeyRepeatFilter::Release(uint32_t key, uint64_t time, uint64_t arrivedMs) {
  const bool earlierWasReal = waiting_.has_value();
  waiting_ = Waiting{key, time, arrivedMs, 0};
  return earlierWasReal;
}

KeyRepeatFilter::PressResult KeyRepeatFilter::Press(uint32_t key, uint64_t time) {
  if (waiting_ && waiting_->key == key && waiting_->time == time) {
    waiting_.reset();
    return {false, false};
  }
  const bool released = waiting_.has_value();
  waiting_.reset();
  return {released, true};
}

bool KeyRepeatFilter::EndOfPass(uint64_t nowMs) {
  if (!waiting_) return false;
  if (++waiting_->passesEnded < 2 || nowMs < waiting_->arrivedMs + kRepeatPressGraceMs) return false;
  waiting_.reset();
  return true;
}

bool KeyRepeatFilter::OtherEvent() {
  const bool released = waiting_.has_value();
  waiting_.reset();
  return released;
}

}  // namespace organsaver
