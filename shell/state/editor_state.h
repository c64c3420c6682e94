#pragma once
// What the appointment window is doing. Its toolbar, its editor fields and IsBusy()
// follow from this one value; the "Changed" states hold input not stored yet.
#include <cstdint>

enum class EditorState : int8_t {
  Closed,           // no appointment window
  Viewing,          // a day's records, none chosen
  RecordChosen,     // a record of the day list chosen
  Entering,         // a new appointment
  EnteringChanged,  // a new appointment, typed into
  Changing,         // the chosen record opened for change
  ChangingChanged,  // the chosen record, changed
  Reminding,        // a reminder shows its record
};

// A new appointment is being entered: the reminders, the chime and a merge of Term.dat wait.
inline bool IsEntering(EditorState state) {
  return state == EditorState::Entering || state == EditorState::EnteringChanged;
}

// Closing or leaving asks whether to store the input.
inline bool HoldsUnsavedInput(EditorState state) {
  return state == EditorState::EnteringChanged || state == EditorState::ChangingChanged;
}

// The state after the user typed or chose something in the editor's fields.
inline EditorState WithUnsavedInput(EditorState state) {
  if (state == EditorState::Entering) return EditorState::EnteringChanged;
  if (state == EditorState::Changing) return EditorState::ChangingChanged;
  return state;
}
