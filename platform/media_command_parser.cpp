#include "platform/media_command_parser.h"

#include <cctype>
#include <vector>

namespace platform {
namespace {

std::string Lowered(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct Token {
  std::string text;
  bool quoted = false;
};

// Splits at blanks; "..." is one token with the quotes removed and may hold blanks.
int Tokenize(const std::string& text, std::vector<Token>& tokens) {
  size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    Token token;
    if (text[i] == '"') {
      const size_t end = text.find('"', i + 1);
      if (end == std::string::npos) return kMediaUnterminatedQuote;
      token.text = text.substr(i + 1, end - i - 1);
      token.quoted = true;
      i = end + 1;
      // A quoted word ends where its quote does: `"a"b` is two words run together.
      if (i < text.size() && !IsBlank(text[i])) return kMediaUnknownKeyword;
    } else {
      const size_t start = i;
      while (i < text.size() && !IsBlank(text[i])) {
        if (text[i] == '"') return kMediaUnknownKeyword;
        ++i;
      }
      token.text = text.substr(start, i - start);
    }
    tokens.push_back(std::move(token));
  }
  return kMediaOk;
}

bool IsKeyword(const Token& token, const char* keyword) {
  return !token.quoted && Lowered(token.text) == keyword;
}

int ParseNumber(const std::string& text, long long& value) {
  if (text.empty() || text.size() > 12) return kMediaBadNumber;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return kMediaBadNumber;
    value = value * 10 + (c - '0');
  }
  return kMediaOk;
}

int ParseOpen(const std::vector<Token>& tokens, MediaCommand& command) {
  if (tokens.size() < 2) return kMediaMissingParameter;
  command.file = tokens[1].text;
  if (command.file.empty()) return kMediaMissingParameter;
  bool haveType = false, haveAlias = false;
  for (size_t i = 2; i < tokens.size(); i += 2) {
    const bool isType = IsKeyword(tokens[i], "type");
    const bool isAlias = IsKeyword(tokens[i], "alias");
    if ((!isType && !isAlias) || (isType && haveType) || (isAlias && haveAlias))
      return kMediaUnknownKeyword;
    if (i + 1 >= tokens.size() || tokens[i + 1].text.empty())
      return isAlias ? kMediaMissingAlias : kMediaMissingParameter;
    if (isType) {
      haveType = true;
      command.type = Lowered(tokens[i + 1].text);
      if (command.type != "mpegvideo") return kMediaUnsupportedType;
    } else {
      haveAlias = true;
      command.alias = Lowered(tokens[i + 1].text);
    }
  }
  // Devices are kept by alias only, so an open without one could never be addressed.
  if (!haveAlias) return kMediaMissingAlias;
  // "all" already names every open device ("close all").
  if (command.alias == "all") return kMediaDuplicateAlias;
  return kMediaOk;
}

int ParseAliasCommand(const std::vector<Token>& tokens, MediaCommand& command) {
  if (tokens.size() < 2 || tokens[1].text.empty()) return kMediaMissingAlias;
  command.alias = Lowered(tokens[1].text);
  size_t i = 2;
  if (command.verb == MediaVerb::Play && i < tokens.size() && IsKeyword(tokens[i], "from")) {
    if (i + 1 >= tokens.size()) return kMediaMissingParameter;
    if (const int error = ParseNumber(tokens[i + 1].text, command.from)) return error;
    i += 2;
  }
  return i == tokens.size() ? kMediaOk : kMediaUnknownKeyword;
}

}  // namespace

int ParseMediaCommand(const std::string& text, MediaCommand& command) {
  command = MediaCommand{};
  std::vector<Token> tokens;
  if (const int error = Tokenize(text, tokens)) return error;
  if (tokens.empty()) return kMediaEmptyCommand;
  if (tokens[0].quoted) return kMediaUnknownVerb;
  const std::string verb = Lowered(tokens[0].text);
  if (verb == "open") {
    command.verb = MediaVerb::Open;
    return ParseOpen(tokens, command);
  }
  if (verb == "play") command.verb = MediaVerb::Play;
  else if (verb == "stop") command.verb = MediaVerb::Stop;
  else if (verb == "close") command.verb = MediaVerb::Close;
  else return kMediaUnknownVerb;
  return ParseAliasCommand(tokens, command);
}

}  // namespace platform
