#pragma once
// The byte format of the organ text files (org1.dat .. org12.dat and their .bak
// backups): Windows-1252 text without header, lines of any length. The organ text field
// holds the same bytes with CR LF between lines; the control that shows it separates
// its lines with LF.
#include <string>
#include <string_view>

// The field text of a file's bytes. A line ends at CR LF, a lone CR, a lone LF or the
// end of the file; the lines are joined with CR LF and the line end after the last line
// is dropped, so "a\r\nb\r\n", "a\nb" and "a\rb" all give "a\r\nb".
std::string OrganTextFromFileBytes(std::string_view bytes);

// The bytes written for a field text: the text with every line break as CR LF, followed
// by one CR LF. An empty text gives exactly "\r\n".
std::string OrganTextFileBytes(std::string_view fieldText);

// The field text as the control is given it, and back: CR LF between lines there, LF
// here. A lone CR or LF in a field text also becomes one LF.
std::string ShownOrganText(std::string_view fieldText);
std::string OrganTextFromShown(std::string_view shownText);

// "org" + n + ".dat" / "org" + n + ".bak"; `capital` spells "Org" as the loading
// messages do (file names are matched without regard to case anyway).
std::string OrganTextFileName(int organ, bool capital = false);
std::string OrganBackupFileName(int organ, bool capital = false);
// "org" + n + ".konflikt.dat": the text another program saved while the user edited
// the same organ's text, kept beside the user's.
std::string OrganConflictFileName(int organ);
