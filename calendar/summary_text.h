#pragma once
// An appointment's text as an event's SUMMARY and back.
#include <string>
#include <string_view>

// Windows-1252 -> UTF-8.
std::string SummaryOfText(std::string_view text);
// UTF-8 -> Windows-1252 on one line: line breaks and tabs become blanks, a character
// Windows-1252 cannot hold becomes its nearest equivalent ("ő" -> "o", "ﬁ" -> "fi") or "?".
std::string SummaryToText(std::string_view summary);
