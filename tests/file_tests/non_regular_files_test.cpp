// What stands in place of a file of the program but is not a regular file is neither
// waited on, read nor replaced, and an endless file costs nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/whole_file.h"
#include "tests/support/temporary_working_directory.h"

namespace fs = std::filesystem;

namespace {

enum class Thing { Fifo, LinkToDevZero, LinkToDevNull, Directory, TooLarge, DanglingLink };

struct SpecialCase {
  const char* name;
  Thing thing;
  platform::ReadResult read;
  bool writable;  // a dangling link is as good as no file: the write makes its target
};

class SpecialFileTest : public ::testing::TestWithParam<SpecialCase> {
 protected:
  // The kind of what is there and, for a link, where it points.
  static std::string Describe(const std::string& name) {
    const fs::file_status s = fs::symlink_status(name);
    std::string out = std::to_string(static_cast<int>(s.type()));
    if (fs::is_symlink(s)) out += " -> " + fs::read_symlink(name).string();
    return out;
  }
  const TemporaryWorkingDirectory dir_{"organclock-special"};
};

TEST_P(SpecialFileTest, IsNeitherWaitedOnNorReadNorReplaced) {
  const std::string name = "Term.dat";
  switch (GetParam().thing) {
    case Thing::Fifo: ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0); break;
    case Thing::LinkToDevZero: fs::create_symlink("/dev/zero", name); break;
    case Thing::LinkToDevNull: fs::create_symlink("/dev/null", name); break;
    case Thing::Directory: fs::create_directory(name); break;
    case Thing::TooLarge: std::ofstream(name) << std::string(1025, 'x'); break;
    case Thing::DanglingLink: fs::create_symlink("elsewhere.dat", name); break;
  }
  const std::string before = Describe(name);
  std::string bytes = "old";
  EXPECT_EQ(platform::ReadFile(name, bytes, 1024), GetParam().read);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(platform::WriteWholeFile(name, "neu"), GetParam().writable);
  EXPECT_EQ(Describe(name), before);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  if (!GetParam().writable) {
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1)
        << "no leftovers";
  }
}

INSTANTIATE_TEST_SUITE_P(
    WholeFile, SpecialFileTest,
    ::testing::Values(
        SpecialCase{"Fifo", Thing::Fifo, platform::ReadResult::Unreadable, false},
        SpecialCase{"LinkToDevZero", Thing::LinkToDevZero, platform::ReadResult::Unreadable, false},
        SpecialCase{"LinkToDevNull", Thing::LinkToDevNull, platform::ReadResult::Unreadable, false},
        SpecialCase{"Directory", Thing::Directory, platform::ReadResult::Unreadable, false},
        SpecialCase{"TooLarge", Thing::TooLarge, platform::ReadResult::Unreadable, true},
        SpecialCase{"DanglingLink", Thing::DanglingLink, platform::ReadResult::Missing, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpecialFileTest, LeftoversOfAKilledSaveAreRemovedAndNothingElse) {
  for (const char* name :
       {".Term.dat.Ab12Cd", ".konfig.set.zzzzzz", ".Org3.dat.123456", ".Term.dat.syncthing.tmp",
        ".Term.dat.12345", ".notes.txt.abcdef", "Term.dat", ".org3.dat~"})
    std::ofstream(name) << "x";
  platform::RemoveLeftoverTemporaryFiles({"Term.dat", "konfig.set", "org3.dat"});
  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir_.path()))
    left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{".Term.dat.syncthing.tmp", ".Term.dat.12345", ".notes.txt.abcdef",
                                         "Term.dat", ".org3.dat~"}));
}

}  // namespace
