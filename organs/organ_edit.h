#pragma once
// Editing an organ's text ("Text zu Organe" menu). While an organ is edited the program
// is busy (the hourly organ change waits), the field is yellow, and the menus enable
// "Speichern", "Abbrechen" and "Wiederherstellen" and check the organ's "Ändern" item.
// Leaving the edit mode shows the organ of the present hour again.

// "Ändern" > organ `organ` (1-12): enters the edit mode for it, or switches to it,
// dropping unsaved changes of the organ edited before.
void BeginOrganEdit(int organ);
// "Speichern": writes the field to the organ's file and leaves the edit mode. When the
// write fails the edit mode stays on, so the typed text is not lost.
void SaveOrganText();
// "Abbrechen": leaves the edit mode; the changes are lost.
void CancelOrganEdit();
// "Wiederherstellen": asks first. Yes writes the delivered backup as the organ's text
// and leaves; No leaves like "Abbrechen"; Cancel keeps editing.
void RestoreOrganText();

// True while an organ text is being edited.
bool IsEditingOrganText();
