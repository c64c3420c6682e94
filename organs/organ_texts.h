#pragma once
// The organ texts: each organ's text file, its delivered backup and the organ text
// field (kCtlOrganText) of the main window. All work on the shown organ.

#include <string>

// The field's text, its lines joined with CR LF as the files have them.
std::string OrganFieldText();

// Puts org<n>.dat of the shown organ into the field. A file that cannot be read is
// reported ("Organtext Org<n>.dat nicht gefunden!") and the field keeps its text.
void LoadOrganText();
// Puts org<n>.bak of the shown organ into the field; reported like LoadOrganText.
void LoadOrganBackup();
// Writes the field to org<n>.dat of the shown organ. The new content is written
// completely before it replaces the old file, so a failed write (reported as "Text
// konnte nicht gespeichert werden!") leaves the old file as it was. False then. A file
// that could not be read when it was loaded is never written. When the file was
// changed on disk since it was loaded, that text is kept as org<n>.konflikt.dat and
// one message says so.
bool WriteOrganText();
// The shown organ's text again from its file when the file changed on disk and the
// user is not editing it. True when the field was reloaded.
bool ReloadOrganTextIfChanged();
// First run: creates every missing org<n>.dat as a copy of org<n>.bak, reporting each
// copy that fails. Existing text files are not touched.
void RestoreMissingOrganTexts();
