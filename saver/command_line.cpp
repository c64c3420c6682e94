#include "saver/command_line.h"

#include <limits>

namespace organsaver {

std::vector<std::string> SplitCommandLineParameters(std::string_view commandLine) {
  std::vector<std::string> items;
  size_t i = 0;
  const size_t n = commandLine.size();
  while (i < n) {
    if (commandLine[i] == ' ') {
      ++i;
      continue;
    }
    std::string item;
    if (commandLine[i] == '"') {
      const size_t close = commandLine.find('"', i + 1);
      const size_t end = close == std::string_view::npos ? n : close;
      item.assign(commandLine.substr(i + 1, end - i - 1));
      i = end == n ? n : end + 1;
    } else {
      const size_t blank = commandLine.find(' ', i);
      const size_t end = blank == std::string_view::npos ? n : blank;
      item.assign(commandLine.substr(i, end - i));
      i = end;
    }
    items.push_back(std::move(item));
  }
  if (!items.empty()) items.erase(items.begin());  // the program's own path
  return items;
}

std::string LowerWindows1252(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    const auto code = static_cast<unsigned char>(c);
    const bool asciiCapital = code >= 'A' && code <= 'Z';
    const bool accentedCapital = code >= 192 && code <= 222 && code != 215;
    if (asciiCapital || accentedCapital) c = static_cast<char>(code + 32);
  }
  return lowered;
}

int64_t ReadDecimalHandle(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr int64_t kLimit = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = value > (kLimit - digit) / 10 ? kLimit : value * 10 + digit;
  }
  return negative ? -value : value;
}

SaverCommand ReadSaverCommand(const std::vector<std::string>& parameters) {
  SaverCommand command;
  std::string modeArg = parameters.size() > 0 ? parameters[0] : std::string();
  command.handleArg = parameters.size() > 1 ? parameters[1] : std::string();
  if (modeArg.size() > 2) {
    // "/p:1234" and "/p1234" alike: the third character is always dropped.
    command.handleArg = modeArg.substr(3);
    modeArg.resize(2);
  }
  command.modeArg = LowerWindows1252(modeArg);

  if (command.modeArg == "/c") {
    command.mode = SaverMode::Configure;
  } else if (command.modeArg == "/a") {
    command.mode = SaverMode::ChangePassword;
  } else if (command.modeArg == "/p") {
    command.mode = SaverMode::Preview;
    command.previewHandle = ReadDecimalHandle(command.handleArg);
  } else {
    command.mode = SaverMode::FullScreen;  // "/s" and everything unknown
  }
  return command;
}

std::optional<uint64_t> ReadXWindowId(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n'))
    text.remove_suffix(1);
  unsigned base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    unsigned digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) return std::nullopt;  // X ids are 32-bit
  }
  if (value == 0) return std::nullopt;
  return value;
}

std::optional<XScreenSaverHost> FindXScreenSaverHost(const std::vector<std::string>& parameters,
                                                     const char* environmentWindow) {
  bool rootRequested = false;
  for (size_t i = 0; i < parameters.size(); ++i) {
    if (parameters[i] == "-window-id" || parameters[i] == "--window-id") {
      if (i + 1 < parameters.size()) {
        if (auto id = ReadXWindowId(parameters[i + 1])) return XScreenSaverHost{false, *id};
      }
      rootRequested = true;  // an unreadable id still means "run as a hack"
    } else if (parameters[i] == "-root" || parameters[i] == "--root") {
      rootRequested = true;
    }
  }
  const std::optional<uint64_t> fromEnvironment =
      environmentWindow ? ReadXWindowId(environmentWindow) : std::nullopt;
  if (rootRequested || (parameters.empty() && fromEnvironment)) {
    if (fromEnvironment) return XScreenSaverHost{false, *fromEnvironment};
    return XScreenSaverHost{true, 0};
  }
  return std::nullopt;
}

}  // namespace organsaver
