#pragma once
// Program tests that read the media commands the chime sent.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/media_commands.h"
#include "platform/testing/test_probes.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"

class SoundTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    platform::ClearSentMediaCommands();
  }
  void TearDown() override {
    ProgramTest::TearDown();
    platform::SendMediaCommand("close all");  // devices a test opened by hand
  }

  static std::vector<std::string> Sent() { return platform::SentMediaCommands(); }
  static int PlaysSent() {
    const auto& sent = platform::SentMediaCommands();
    return static_cast<int>(std::count(sent.begin(), sent.end(), std::string("play MP3_16 from 0")));
  }

  // A working directory after an earlier run: settings with these sound fields, the
  // organ texts and an empty appointment file.
  void WriteSettings(int chimeChoice, const std::string& chimeFile = "", int reminderSound = 1) {
    for (int organ = 1; organ <= 12; ++organ) {
      const std::string name = "org" + std::to_string(organ);
      if (!Exists(name + ".dat")) WriteFile(name + ".dat", ReadFile(name + ".bak"));
    }
    if (!Exists("Term.dat")) WriteFile("Term.dat", "");
    Settings s = DefaultSettings();
    s.chimeChoice = static_cast<ChimeChoice>(chimeChoice);
    s.chimeFile = chimeFile;
    s.reminderSound = reminderSound == 1;
    s.reminderSoundAsStored = static_cast<int8_t>(reminderSound);
    WriteFile("konfig.set", EncodeSettings(s));
  }
  Settings SavedSettings() const { return DecodeSettings(ReadFile("konfig.set")); }
  // The program started and passed once with no sound of its own (no chime, no reminder
  // sound), so that what a test plays is all there is.
  void StartSilent() {
    WriteSettings(static_cast<int>(ChimeChoice::Off), "", 0);
    Start();
  }

  // A valid MP3 stream of silent MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz,
  // stereo): a zero side-info block and zero main data decode as silence. `utf8Path`
  // is absolute or relative to the working directory.
  static void WriteSilentMp3(const std::string& utf8Path, int frames = 40) {
    std::ofstream out(utf8Path, std::ios::binary | std::ios::trunc);
    std::string frame(417, '\0');
    frame[0] = '\xFF';
    frame[1] = '\xFB';
    frame[2] = '\x90';
    for (int i = 0; i < frames; ++i) out << frame;
  }
};

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};
