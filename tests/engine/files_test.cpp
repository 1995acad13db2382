#include "engine/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace vorantis {
namespace {

using testing::ScratchFolder;

TEST(MapPath, BackslashesBecomeSeparatorsDoublesCollapseAndCaseIsIgnoredOnlyWithoutAnExactName) {
  EXPECT_EQ(MapPath("a\\b\\\\c.txt"), "a/b/c.txt");
  EXPECT_EQ(MapPath("\\x\\\\y"), "/x/y");
  ScratchFolder folder;
  folder.Write("Data/Tiles/LAB_Floor", "x");
  folder.Write("a.txt", "lower");
  folder.Write("A.txt", "upper");
  EXPECT_EQ(MapPath(folder.GamePath() + "DATA\\tiles\\lab_floor"),
            (folder.path() / "Data/Tiles/LAB_Floor").string());
  auto bytes = ReadWholeFile(folder.GamePath() + "A.txt");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "upper");
  folder.MakeFolder("sub");
  EXPECT_FALSE(ReadWholeFile(folder.GamePath() + "missing.txt").has_value());
  EXPECT_FALSE(ReadWholeFile(folder.GamePath() + "sub").has_value());

  std::string dir = CurrentDirectoryWithBackslash();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '\\');
  EXPECT_EQ(dir.find('/'), std::string::npos);
  EXPECT_EQ(MapPath(dir + "x"), (std::filesystem::current_path() / "x").string());
}

TEST(ListFolder, RegularFilesMatchingThePatternInByteOrder) {
  ScratchFolder folder;
  folder.Write("b.ogg", "");
  folder.Write("a.ogg", "");
  folder.Write("B.ogg", "");
  folder.Write("c.png", "");
  folder.Write("note.ogg.txt", "");
  folder.MakeFolder("x.ogg");
  EXPECT_EQ(ListFolder(folder.GamePath(), "*.ogg"), (std::vector<std::string>{"B.ogg", "a.ogg", "b.ogg"}));
  EXPECT_EQ(ListFolder(folder.GamePath(), "*").size(), 5u);
  // Without a trailing backslash the folder still lists.
  std::string noSlash = folder.GamePath();
  noSlash.pop_back();
  EXPECT_EQ(ListFolder(noSlash, "*.png"), (std::vector<std::string>{"c.png"}));
  EXPECT_TRUE(ListFolder("\\no\\such\\folder\\", "*").empty());
}

}  // namespace
}  // namespace vorantis
