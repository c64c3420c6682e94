#pragma once
// Parses the text commands of the media interface that plays the chime:
//   open <file> [type <device type>] alias <alias>
//   play <alias> [from <milliseconds>]
//   stop <alias>
//   close <alias> | close all
// Keywords and aliases are matched without regard to case; a file name that holds
// blanks is enclosed in double quotes. No SDL here, so that it can be tested alone.
#include <string>

namespace platform {

// Results of SendMediaCommand: 0 is success, anything else an error.
enum MediaError : int {
  kMediaOk = 0,
  kMediaEmptyCommand = 1,
  kMediaUnknownVerb = 2,
  kMediaUnknownKeyword = 3,    // a word the verb does not take, or one given twice
  kMediaMissingParameter = 4,  // no file, or a keyword without its value
  kMediaMissingAlias = 5,
  kMediaUnterminatedQuote = 6,
  kMediaBadNumber = 7,
  kMediaUnsupportedType = 8,
  kMediaDuplicateAlias = 9,
  kMediaUnknownAlias = 10,
  kMediaFileNotFound = 11,
  kMediaNotPlayable = 12,     // the file does not decode as MP3 or WAV
  kMediaNoOutputDevice = 13,  // opened for checking, but there is nothing to play on
  kMediaPlayFailed = 14,
  kMediaNoDriver = 15,
};

enum class MediaVerb { Open, Play, Stop, Close };

struct MediaCommand {
  MediaVerb verb = MediaVerb::Open;
  std::string file;    // open: the file name as written, quotes removed
  std::string type;    // open: the device type, lower case; empty when not given
  std::string alias;   // lower case; "all" for close all
  long long from = 0;  // play: start position in milliseconds
};

// Fills `command` and returns kMediaOk, or returns the error.
int ParseMediaCommand(const std::string& text, MediaCommand& command);

}  // namespace platform
