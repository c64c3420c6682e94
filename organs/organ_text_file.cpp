#include "organs/organ_text_file.h"

#include "shell/state/byte_reader.h"

std::string OrganTextFromFileBytes(std::string_view bytes) {
  // ByteReader also ends a line at a NUL byte, as every other reader of the program's
  // files does. The field cannot hold a NUL, so a damaged file with one loads with a
  // line break in its place instead of being cut short or refused.
  ByteReader reader(bytes);
  std::string text;
  while (!reader.AtEnd()) {
    text += reader.ReadLine();
    text += "\r\n";
  }
  text.resize(text.size() >= 2 ? text.size() - 2 : 0);
  return text;
}

std::string OrganTextFileBytes(std::string_view fieldText) {
  // A field text has CR LF already; a lone CR or LF (from any other source) is written
  // as CR LF too, so the files never hold anything else.
  std::string bytes;
  bytes.reserve(fieldText.size() + 2);
  for (size_t i = 0; i < fieldText.size(); ++i) {
    const char c = fieldText[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < fieldText.size() && fieldText[i + 1] == '\n') ++i;
      bytes += "\r\n";
    } else {
      bytes += c;
    }
  }
  bytes += "\r\n";
  return bytes;
}

std::string ShownOrganText(std::string_view fieldText) {
  std::string shown;
  shown.reserve(fieldText.size());
  for (size_t i = 0; i < fieldText.size(); ++i) {
    const char c = fieldText[i];
    if (c != '\r') {
      shown += c;
      continue;
    }
    if (i + 1 < fieldText.size() && fieldText[i + 1] == '\n') ++i;
    shown += '\n';
  }
  return shown;
}

std::string OrganTextFromShown(std::string_view shownText) {
  std::string text;
  text.reserve(shownText.size() + shownText.size() / 16);
  for (const char c : shownText) {
    if (c == '\n') text += "\r\n";
    else text += c;
  }
  return text;
}

std::string OrganTextFileName(int organ, bool capital) {
  return (capital ? "Org" : "org") + std::to_string(organ) + ".dat";
}

std::string OrganBackupFileName(int organ, bool capital) {
  return (capital ? "Org" : "org") + std::to_string(organ) + ".bak";
}

std::string OrganConflictFileName(int organ) { return "org" + std::to_string(organ) + ".konflikt.dat"; }
