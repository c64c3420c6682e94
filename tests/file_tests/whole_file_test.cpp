#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/whole_file.h"
#include "tests/support/temporary_working_directory.h"

namespace fs = std::filesystem;

namespace {

class WholeFileTest : public ::testing::Test {
 protected:
  static std::string Content(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(platform::ReadWholeFile(name, bytes));
    return bytes;
  }
  const TemporaryWorkingDirectory dir_{"organclock-files"};
};

TEST_F(WholeFileTest, NamesAreMatchedWithoutRegardToCase) {
  ASSERT_TRUE(platform::WriteWholeFile("org1.dat", "Leber"));
  EXPECT_EQ(Content("Org1.dat"), "Leber");
  EXPECT_TRUE(platform::FileExists("ORG1.DAT"));
  // Writing under another spelling replaces the same file instead of adding one.
  ASSERT_TRUE(platform::WriteWholeFile("ORG1.dat", "neu"));
  EXPECT_EQ(Content("org1.dat"), "neu");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

TEST_F(WholeFileTest, BinaryContentIsKeptByteForByte) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  ASSERT_TRUE(platform::WriteWholeFile("Term.dat", bytes));
  EXPECT_EQ(Content("term.DAT"), bytes);
}

TEST_F(WholeFileTest, MissingFileCannotBeRead) {
  std::string bytes = "old";
  EXPECT_FALSE(platform::ReadWholeFile("nichtda.dat", bytes));
  EXPECT_FALSE(platform::FileExists("nichtda.dat"));
}

TEST_F(WholeFileTest, FailedWriteLeavesTheOldFileAndNoLeftovers) {
  ASSERT_TRUE(platform::WriteWholeFile("konfig.set", "alt"));
  fs::permissions(dir_.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  EXPECT_FALSE(platform::WriteWholeFile("konfig.set", "neu"));
  EXPECT_EQ(Content("konfig.set"), "alt");
}

TEST_F(WholeFileTest, WriteIntoMissingDirectoryFails) {
  EXPECT_FALSE(platform::WriteWholeFile("gibtsnicht/konfig.set", "x"));
}

TEST_F(WholeFileTest, CopyReplacesTheTarget) {
  ASSERT_TRUE(platform::WriteWholeFile("org2.bak", "Original\r\n"));
  ASSERT_TRUE(platform::WriteWholeFile("org2.dat", "anders"));
  ASSERT_TRUE(platform::CopyWholeFile("org2.bak", "org2.dat"));
  EXPECT_EQ(Content("org2.dat"), "Original\r\n");
  EXPECT_FALSE(platform::CopyWholeFile("org3.bak", "org3.dat"));
  EXPECT_FALSE(platform::FileExists("org3.dat"));
}

TEST_F(WholeFileTest, ReplacingKeepsTheFilePermissions) {
  ASSERT_TRUE(platform::WriteWholeFile("Term.dat", "a"));
  fs::permissions("Term.dat", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(platform::WriteWholeFile("Term.dat", "b"));
  EXPECT_EQ(fs::status("Term.dat").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(WholeFileTest, ALinkedFileIsWrittenThroughTheLink) {
  ASSERT_TRUE(platform::WriteWholeFile("real.set", "alt"));
  fs::create_symlink("real.set", "konfig.set");
  ASSERT_TRUE(platform::WriteWholeFile("konfig.set", "neu"));
  EXPECT_TRUE(fs::is_symlink("konfig.set"));
  EXPECT_EQ(Content("real.set"), "neu");
}

}  // namespace
