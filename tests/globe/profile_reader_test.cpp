#include "globe/profile_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace meridex {
namespace {

TEST(ProfileFile, SectionsAndKeysIgnoreCaseAndBlanks) {
  const TProfileFile p = TProfileFile::FromText(
      "\xEF\xBB\xBF; a comment\r\n"
      "orphan=before any section\r\n"
      "[Global Settings]\r\n"
      "  DataDirectory = C:\\maps\\world  \r\n"
      "no equals sign here\n"
      "[ LayerList ]\n"
      "0=coast.dat\n"
      "1=\n"
      "quoted=\"  kept blanks \"\n"
      "single='x'\n"
      "half=\"open\n");
  EXPECT_EQ(p.ReadString("global settings", "DATADIRECTORY", "-"), "C:\\maps\\world");
  EXPECT_EQ(p.ReadString("layerlist", "0", "-"), "coast.dat");
  EXPECT_EQ(p.ReadString("LayerList", "1", "-"), "");  // present but empty
  EXPECT_EQ(p.ReadString("LayerList", "2", "-"), "-");
  EXPECT_EQ(p.ReadString("LayerList", "quoted", "-"), "  kept blanks ");
  EXPECT_EQ(p.ReadString("LayerList", "single", "-"), "x");
  EXPECT_EQ(p.ReadString("LayerList", "half", "-"), "\"open");
  EXPECT_EQ(p.ReadString("", "orphan", "-"), "-");
  EXPECT_EQ(p.ReadString("Global Settings", "no equals sign here", "-"), "-");
}

TEST(ProfileFile, TheFirstOfRepeatedSectionsAndKeysCounts) {
  const TProfileFile p = TProfileFile::FromText(
      "[cities.dat]\nName=Cities\nName=Towns\n[CITIES.DAT]\nName=Other\nVisible=0\n");
  EXPECT_EQ(p.ReadString("cities.dat", "name", ""), "Cities");
  EXPECT_TRUE(p.ReadBool("cities.dat", "Visible", true));
}

TEST(ProfileFile, ValuesAreCutAt1023Characters) {
  const std::string text = "[s]\nk=" + std::string(1023, 'a') + "bcd\n";
  const std::string value = TProfileFile::FromText(text).ReadString("s", "k", "");
  EXPECT_EQ(value, std::string(1023, 'a'));
}

TEST(ProfileFile, IntegersAreDecimalOrHexAndBooleansAreIntegers) {
  const TProfileFile p = TProfileFile::FromText(
      "[n]\na=42\nb= -7 \nc=0x1F\nd=0XfF\ne=0xFFFFFFFF\nf=12abc\ng=\nh=2147483648\n"
      "i=-2147483648\nj=0x\nk=+5\nl=0x100000000\nm=1.5\n");
  EXPECT_EQ(p.ReadInteger("n", "a", 0), 42);
  EXPECT_EQ(p.ReadInteger("n", "b", 0), -7);
  EXPECT_EQ(p.ReadInteger("n", "c", 0), 31);
  EXPECT_EQ(p.ReadInteger("n", "d", 0), 255);
  EXPECT_EQ(p.ReadInteger("n", "e", 0), -1);  // the 32 bits
  EXPECT_EQ(p.ReadInteger("n", "f", 9), 9);
  EXPECT_EQ(p.ReadInteger("n", "g", 9), 9);
  EXPECT_EQ(p.ReadInteger("n", "h", 9), 9);
  EXPECT_EQ(p.ReadInteger("n", "i", 9), -2147483647 - 1);
  EXPECT_EQ(p.ReadInteger("n", "j", 9), 9);
  EXPECT_EQ(p.ReadInteger("n", "k", 9), 5);
  EXPECT_EQ(p.ReadInteger("n", "l", 9), 9);
  EXPECT_EQ(p.ReadInteger("n", "m", 9), 9);
  EXPECT_EQ(p.ReadInteger("n", "missing", 9), 9);
  EXPECT_TRUE(p.ReadBool("n", "a", false));
  EXPECT_FALSE(TProfileFile::FromText("[b]\nv=0\n").ReadBool("b", "v", true));
  EXPECT_TRUE(TProfileFile::FromText("[b]\nv=0x10\n").ReadBool("b", "v", false));
  EXPECT_TRUE(TProfileFile::FromText("[b]\nv=yes\n").ReadBool("b", "v", true));  // default
  EXPECT_FALSE(TProfileFile::FromText("[b]\nv=yes\n").ReadBool("b", "v", false));
}

TEST(ProfileFile, AMissingFileReadsEveryDefault) {
  test::TempDir dir;
  const TProfileFile p(dir / "nothing.prf");
  EXPECT_EQ(p.ReadString("LayerList", "0", ""), "");
  EXPECT_EQ(p.ReadInteger("a", "b", 17), 17);

  dir.write("real.prf", {'[', 'x', ']', '\n', 'y', '=', '3'});  // no newline at the end
  EXPECT_EQ(TProfileFile(dir / "real.prf").ReadInteger("X", "Y", 0), 3);
}

}  // namespace
}  // namespace meridex
