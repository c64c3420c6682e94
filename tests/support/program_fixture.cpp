#include "tests/support/program_fixture.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/events.h"
#include "platform/testing/scripted_clock.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "shell/clock_renderer.h"
#include "shell/program.h"
#include "shell/state/app_state.h"

namespace fs = std::filesystem;

std::string W(const char* utf8) { return platform::Cp1252(utf8); }

void ProgramTest::SetUp() {
  previousDir_ = fs::current_path();
  char pattern[] = "/tmp/organclock-test-XXXXXX";
  dir_ = mkdtemp(pattern);
  fs::current_path(dir_);
  // A working directory as it is delivered: organ text backups and the two sounds.
  CopyDeliveredFiles();
  SetTime(2026, 12, 7, 10, 2, 0);  // a Monday
  platform::SetTrayAvailableForTesting(1);
  platform::SetMessageBoxResponder([this](const platform::MessageBoxRecord& box) {
    boxes_.push_back(box);
    if (!answers_.empty()) {
      const auto answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    if (box.buttons != platform::MessageButtons::Ok)
      ADD_FAILURE() << "unexpected question: " << platform::Utf8(box.title) << " / "
                    << platform::Utf8(box.text);
    return box.buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                       : platform::MessageAnswer::Cancel;
  });
  platform::SetFileDialogResponder([this](const platform::FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers_.empty()) return std::string();
    std::string answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
  });
  platform::SetWebAddressResponder([this](const std::string& address) { webAddresses.push_back(address); });
}

void ProgramTest::TearDown() {
  ReleaseProgram();
  ResetAppState();
  platform::ClearEvents();
  for (const auto& box : boxes_)
    ADD_FAILURE() << "message box not checked by the test: " << platform::Utf8(box.title) << " / "
                  << platform::Utf8(box.text);
  EXPECT_TRUE(answers_.empty()) << "scripted answers left over";
  platform::SetMessageBoxResponder({});
  platform::SetFileDialogResponder({});
  platform::SetWebAddressResponder({});
  platform::SetTrayAvailableForTesting(-1);
  fs::current_path(previousDir_);
  std::error_code ec;
  fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(dir_, ec);
}

void ProgramTest::WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ProgramTest::ReadFile(const std::string& name) const {
  std::ifstream in(dir_ / name, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ProgramTest::Exists(const std::string& name) const { return fs::exists(dir_ / name); }

void ProgramTest::CopyDeliveredFiles() {
  const fs::path data = fs::path(ORGANCLOCK_SOURCE_DIR) / "data";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(data, ec))
    fs::copy_file(entry.path(), dir_ / entry.path().filename(), fs::copy_options::overwrite_existing, ec);
}

void ProgramTest::PrepareEarlierRun(const std::string& settingsBytes) {
  WriteFile("konfig.set", settingsBytes);
  if (!Exists("Term.dat")) WriteFile("Term.dat", "");
  for (int n = 1; n <= 12; ++n) {
    const std::string name = "org" + std::to_string(n) + ".dat";
    if (!Exists(name) && Exists("org" + std::to_string(n) + ".bak"))
      WriteFile(name, ReadFile("org" + std::to_string(n) + ".bak"));
  }
}

void ProgramTest::SetTime(int year, int month, int day, int hour, int minute, int second) {
  time_ = platform::MakeLocalTime(year, month, day, hour, minute, second);
  platform::SetScriptedClock(time_);
  WakeClockRenderer();
}

void ProgramTest::AdvanceMinutes(int minutes) { AdvanceSeconds(minutes * 60); }

void ProgramTest::AdvanceSeconds(int seconds) {
  time_ = platform::AddSeconds(time_, seconds);
  platform::SetScriptedClock(time_);
  WakeClockRenderer();
  Pass();
}

void ProgramTest::Start(bool firstPass) {
  RunStartup();
  started_ = true;
  if (firstPass) Pass();
}

void ProgramTest::Pass() { RunMainLoopPass(0); }

void ProgramTest::Drain() {
  for (int i = 0; i < 100 && platform::PendingEventCount() > 0; ++i) Pass();
  Pass();
}

std::vector<platform::MessageBoxRecord> ProgramTest::TakeBoxes() {
  std::vector<platform::MessageBoxRecord> taken;
  taken.swap(boxes_);
  return taken;
}

std::vector<std::string> ProgramTest::TakeBoxTexts() {
  std::vector<std::string> texts;
  for (const auto& box : TakeBoxes()) texts.push_back(platform::Utf8(box.text));
  return texts;
}

bool WaitForClockDrawsAbove(long count) {
  for (int i = 0; i < 400; ++i) {
    if (ClockRendererDrawCount() > count) {
      // The picture reaches the controls through the window system's pending work.
      for (int k = 0; k < 5; ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        platform::ProcessPendingWork();
      }
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}
