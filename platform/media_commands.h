#pragma once
// Stand-in for the platform's media control interface: text commands in, a result code
// out (0 success; the MediaError values of media_command_parser.h otherwise). Devices
// are kept by alias and play MP3 and WAV files through the SDL mixer.
//
// An open succeeds when the file exists and decodes as MP3 or WAV. It does not need an
// output device: without one the mixer is opened silently and the open still succeeds,
// so a machine without sound keeps its chime choice; each play then fails with
// kMediaNoOutputDevice. A play returns at once and the sound runs on; another play
// starts it again from the beginning. Only one device is heard at a time.
#include <string>

#include "platform/media_command_parser.h"

namespace platform {

// `command` is Windows-1252; file names are relative to the working directory.
int SendMediaCommand(const std::string& command);

}  // namespace platform
