#pragma once
// Runs the real organclock on the offscreen platform inside a fresh temporary working
// directory, with a scripted clock and recorded message boxes, file dialogs and web
// pages.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/types.h"

// Each test starts in a fresh directory holding the delivered files.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Files of the working directory (bytes as they are on disk).
  void WriteFile(const std::string& name, const std::string& bytes);
  std::string ReadFile(const std::string& name) const;
  bool Exists(const std::string& name) const;
  std::filesystem::path Dir() const { return dir_; }
  // Puts the delivered files (org*.bak, gong.wav, hockey.wav) into the directory;
  // SetUp does this for every test.
  void CopyDeliveredFiles();

  // A directory as an earlier run left it: konfig.set with these bytes, plus the
  // files the first run creates (empty Term.dat, org1.dat-org12.dat from the backups)
  // where they are missing.
  void PrepareEarlierRun(const std::string& settingsBytes);

  void SetTime(int year, int month, int day, int hour, int minute, int second = 0);
  platform::LocalTime Time() const { return time_; }
  // Moves the scripted clock forward by whole minutes/seconds and runs one pass.
  void AdvanceMinutes(int minutes);
  void AdvanceSeconds(int seconds);

  // Start-up of the program; with `firstPass` the main loop's first pass follows.
  void Start(bool firstPass = true);
  bool started() const { return started_; }
  // One pass of the main loop without waiting.
  void Pass();
  // Passes until no event is waiting.
  void Drain();

  // Message boxes: OK-only boxes are answered OK; every other box takes the next
  // scripted answer (a box without one fails the test).
  void AnswerNextBox(platform::MessageAnswer answer) { answers_.push_back(answer); }
  // The boxes shown since the last call, cleared. Boxes never taken fail the test.
  std::vector<platform::MessageBoxRecord> TakeBoxes();
  // Texts (UTF-8) of the boxes shown since the last call, cleared.
  std::vector<std::string> TakeBoxTexts();

  void AnswerNextFileDialog(const std::string& path) { fileAnswers_.push_back(path); }
  std::vector<platform::FileDialogRequest> fileDialogs;
  std::vector<std::string> webAddresses;

 private:
  std::filesystem::path dir_;
  std::filesystem::path previousDir_;
  platform::LocalTime time_;
  bool started_ = false;
  std::deque<platform::MessageAnswer> answers_;
  std::deque<std::string> fileAnswers_;
  std::vector<platform::MessageBoxRecord> boxes_;
};

// Waits until the clock renderer has drawn more than `count` times and the hand-over
// of the picture has reached the controls; false if it never does.
bool WaitForClockDrawsAbove(long count);

// Windows-1252 bytes of a UTF-8 literal, for comparisons with the program's texts.
std::string W(const char* utf8);
