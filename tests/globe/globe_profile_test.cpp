#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "byte_builder.h"
#include "globe/globe_exception.h"
#include "globe/globe_text.h"
#include "support/temp_dir.h"
#include "test_globe.h"

namespace meridex {
namespace {

using test::ByteBuilder;

// A layer file of one text object titled title.
std::vector<std::uint8_t> OneText(const std::string& title, int fontIndex = 0) {
  ByteBuilder b;
  b.i16(0x220).i16(1).i16(0);
  b.i32(1).str("TGlobeFont").i16(0).i32(0xFF).u8(1).i16(10).i16(0).u8(0).str("Arial");
  b.i32(1).str("TGlobeText").i16(0).str(title).i32(0).i32(0).i16(fontIndex);
  return b.bytes;
}

class GlobeProfileTest : public ::testing::Test {
 protected:
  void Write(const std::string& relative, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories((dir / relative).parent_path());
    dir.write(relative, bytes);
  }
  void WriteText(const std::string& relative, const std::string& text) {
    Write(relative, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  // The title of each layer's first object, bottom layer first.
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (int i = 0; i < globe.LayerCount(); ++i) {
      const TGlobeObject* first = globe.GetLayer(i).Objects(0);
      titles.push_back(first ? first->Title : "(empty)");
    }
    return titles;
  }
  std::string Path(const std::string& relative) const { return (dir / relative).string(); }

  test::TempDir dir;
  test::TestGlobe globe;
};

TEST_F(GlobeProfileTest, TheLayerListEndsAtTheFirstMissingNumber) {
  Write("maps/a.dat", OneText("A"));
  Write("maps/b.dat", OneText("B"));
  Write("maps/d.dat", OneText("D"));
  WriteText("world.prf", "[Global Settings]\nDataDirectory=" + Path("maps") +
                             "\n[LayerList]\n0=a.dat\n1=b.dat\n3=d.dat\n[b.dat]\nName=Second\n");
  globe.SetProfileName(Path("world.prf"));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(globe.GetLayer(0).Name, "a");
  EXPECT_EQ(globe.GetLayer(1).Name, "Second");  // the layer's section, read after its file
  EXPECT_EQ(globe.GetLayer(1).FileName, Path("maps") + "/b.dat");
  EXPECT_EQ(globe.ProfileName(), Path("world.prf"));
  EXPECT_FALSE(globe.LayersChanged());
  EXPECT_TRUE(globe.messages.empty());
  EXPECT_EQ(globe.busyCalls, (std::vector<bool>{true, true, false, true, false, false}));
}

TEST_F(GlobeProfileTest, DataDirectoryGetsItsSeparatorAndDirectoryEntriesLieBelowTheProfile) {
  Write("maps/cities.dat", OneText("in maps"));
  Write("data/cities.dat", OneText("in data"));
  Write("conf/data/cities.dat", OneText("below the profile"));
  // Backslashes and slashes both separate; the missing one is appended.
  WriteText("conf/a.prf", "[Global Settings]\nDataDirectory=" + Path("maps") +
                              "\n[LayerList]\n0=cities.dat\n1=data\\cities.dat\n");
  globe.SetProfileName(Path("conf") + "\\a.prf");
  EXPECT_EQ(Titles(), (std::vector<std::string>{"in maps", "below the profile"}));
  EXPECT_EQ(globe.ProfileName(), Path("conf") + "\\a.prf");

  // With a separator already there, none is added; without the key the
  // DataDirectory property is the default.
  globe.ClearLayers();
  WriteText("b.prf",
            "[Global Settings]\nDataDirectory=" + Path("data") + "/\n[LayerList]\n0=cities.dat\n");
  globe.SetProfileName(Path("b.prf"));
  EXPECT_EQ(globe.GetLayer(0).FileName, Path("data") + "/cities.dat");
  globe.ClearLayers();
  globe.SetDataDirectory(Path("maps"));
  WriteText("c.prf", "[LayerList]\n0=cities.dat\n1=" + Path("data/cities.dat") + "\n");
  globe.SetProfileName(Path("c.prf"));
  // An absolute entry is taken as it stands.
  EXPECT_EQ(Titles(), (std::vector<std::string>{"in maps", "in data"}));
}

TEST_F(GlobeProfileTest, TheSameFullPathDoesNothingButTheSameBareNameReloads) {
  Write("a.dat", OneText("A"));
  WriteText("tglobe.prf",
            "[Global Settings]\nDataDirectory=" + Path("") + "\n[LayerList]\n0=a.dat\n");
  globe.SetProgramDirectory(dir.path());
  globe.SetProfileName("tglobe.prf");  // beside the program
  EXPECT_EQ(globe.ProfileName(), Path("tglobe.prf"));
  EXPECT_EQ(globe.LayerCount(), 1);
  globe.progress.clear();
  globe.SetProfileName(Path("tglobe.prf"));
  EXPECT_EQ(globe.LayerCount(), 1);
  EXPECT_TRUE(globe.progress.empty());
  globe.SetProfileName("tglobe.prf");  // not the stored full name: loaded again
  EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "A"}));
  globe.SetProfileName("");
  EXPECT_EQ(globe.ProfileName(), "");
  EXPECT_EQ(globe.LayerCount(), 2);  // the layers stay
}

TEST_F(GlobeProfileTest, AFailingLayerIsShownOnceAndTheOthersLoadInOrder) {
  Write("a.dat", OneText("A"));
  Write("bad.dat", ByteBuilder().i16(0x301).i16(1).i16(0).bytes);
  Write("attr.dat", OneText("T", 4));  // names an attribute that is not there
  Write("c.dat", OneText("C"));
  WriteText("p.prf", "[Global Settings]\nDataDirectory=" + Path("") +
                         "\n[LayerList]\n0=a.dat\n1=missing.dat\n2=bad.dat\n3=attr.dat\n4=c.dat\n");
  globe.SetProfileName(Path("p.prf"));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "C"}));
  const std::string d = Path("");  // ends with its separator
  EXPECT_EQ(globe.messages,
            (std::vector<std::string>{"LoadFromFile: File " + d + "missing.dat not found",
                                      "LoadFromFile: Invalid File Version 301 in " + d + "bad.dat",
                                      "List index out of bounds (4) in " + d + "attr.dat"}));
  EXPECT_EQ(globe.busyCalls.back(), false);
}

TEST_F(GlobeProfileTest, AnUnexpectedErrorEndsTheLoadButRestoresTheCursor) {
  Write("a.dat", OneText("A"));
  Write("b.dat", OneText("B"));
  WriteText("p.prf",
            "[Global Settings]\nDataDirectory=" + Path("") + "\n[LayerList]\n0=a.dat\n1=b.dat\n");
  globe.OnObjectCreate = [](TGlobeObject&) { throw std::runtime_error("out of memory"); };
  EXPECT_THROW(globe.SetProfileName(Path("p.prf")), std::runtime_error);
  int depth = 0;
  for (bool busy : globe.busyCalls) depth += busy ? 1 : -1;
  EXPECT_EQ(depth, 0);
  EXPECT_FALSE(globe.busyCalls.empty());
}

TEST_F(GlobeProfileTest, AMissingProfileLoadsNothingAndSaysNothing) {
  globe.SetProfileName(Path("none.prf"));
  EXPECT_EQ(globe.LayerCount(), 0);
  EXPECT_TRUE(globe.messages.empty());
  EXPECT_EQ(globe.ProfileName(), Path("none.prf"));
}

TEST_F(GlobeProfileTest, ClearLayersFreesTheProfileAndTheLayersFromTheTop) {
  Write("a.dat", OneText("A"));
  Write("b.dat", OneText("B"));
  WriteText("p.prf",
            "[Global Settings]\nDataDirectory=" + Path("") + "\n[LayerList]\n0=a.dat\n1=b.dat\n");
  globe.SetProfileName(Path("p.prf"));
  globe.SetScale(1e-5L);
  globe.ClearLayers();
  EXPECT_EQ(globe.freed, (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(globe.LayerCount(), 0);
  EXPECT_EQ(globe.ProfileName(), "");
  EXPECT_EQ(globe.Scale(), 300 / 618786000.0L);  // the earth fits again
}

TEST(GlobeLayers, GetLayerAndTheClassRegistryRaiseTheirMessages) {
  test::TestGlobe globe;
  TGlobeLayer& roads = globe.AddLayer("roads");
  EXPECT_EQ(roads.FileName, "roads.dat");
  EXPECT_EQ(&globe.GetLayer(0), &roads);
  for (int bad : {-1, 1}) {
    try {
      globe.GetLayer(bad);
      FAIL();
    } catch (const EGlobeException& e) {
      EXPECT_EQ(std::string(e.what()), "TGlobe.GetLayer: Bad layer index " + std::to_string(bad));
    }
  }
  for (const char* name :
       {"TGlobeBrush", "TGlobeFont", "TGlobeGrid", "TGlobePen", "TGlobePointText", "TGlobePolygon",
        "TGlobePolyLine", "TGlobeSymbol", "TGlobeText"})
    EXPECT_NE(globe.GlobeClasses().Find(name), nullptr) << name;
  const TGlobeClassFactory text = globe.GlobeClasses().Find("TGlobeText");
  try {
    globe.RegisterGlobeClass("TGlobeText", text);
    FAIL();
  } catch (const EGlobeException& e) {
    EXPECT_EQ(std::string(e.what()),
              "TGlobe.RegisterGlobeClass: Class TGlobeText already registered");
  }
  globe.RegisterGlobeClass("TCityMarker", text);
  EXPECT_EQ(globe.GlobeClasses().Find("tcitymarker"), text);
}

class GlobeObjectsTest : public ::testing::Test {
 protected:
  // A text on the middle of the view, on screen after a paint.
  TGlobeText* Text(TGlobeLayer& layer, const std::string& title) {
    auto* text = CreateIn<TGlobeText>(layer);
    text->Title = title;
    text->Location = {0, 162000000};
    text->Font = FindOrCreateFont(layer, "Arial", 0, 0, 20, TGlobeUnits::NauticalMile, 0);
    layer.ScaleFont = false;
    return text;
  }
  test::TestGlobe globe;
};

TEST_F(GlobeObjectsTest, ObjectAtXYSkipsInvisibleAndDisabledLayers) {
  TGlobeLayer& bottom = globe.AddLayer("bottom");
  TGlobeLayer& hidden = globe.AddLayer("hidden");
  TGlobeLayer& disabled = globe.AddLayer("disabled");
  TGlobeText* below = Text(bottom, "below");
  Text(hidden, "hidden");
  Text(disabled, "disabled");
  globe.Paint();
  EXPECT_EQ(globe.ObjectAtXY(155, 155), globe.GetLayer(2).Objects(0));
  hidden.Visible = false;
  disabled.Enabled = false;
  EXPECT_EQ(globe.ObjectAtXY(155, 155), below);
  EXPECT_EQ(globe.ObjectAtXY(0, 0), nullptr);  // off the globe
}

TEST_F(GlobeObjectsTest, SelectionRaisesOnSelectedOnlyForAChange) {
  TGlobeLayer& layer = globe.AddLayer("l");
  TGlobeText* a = Text(layer, "a");
  TGlobeText* b = Text(layer, "b");
  globe.SetSelectedObject(a);
  globe.SetSelectedObject(a);
  EXPECT_EQ(globe.selections, 1);
  EXPECT_TRUE(a->Selected());
  globe.SetSelectedObject(b);
  EXPECT_FALSE(a->Selected());
  EXPECT_TRUE(b->Selected());
  globe.SetSelectedObject(nullptr);
  EXPECT_EQ(globe.selections, 3);
  EXPECT_FALSE(b->Selected());
}

TEST_F(GlobeObjectsTest, FindGlobeObjectStartsAtAftersLayer) {
  EXPECT_EQ(globe.FindGlobeObject("x"), nullptr);  // no layers
  TGlobeLayer* layers[5];
  for (int i = 0; i < 5; ++i) layers[i] = &globe.AddLayer(std::to_string(i));
  TGlobeText* in0 = Text(*layers[0], "x");
  Text(*layers[1], "x");
  TGlobeText* after = Text(*layers[2], "x");
  TGlobeText* next = Text(*layers[2], "x");
  TGlobeText* in3 = Text(*layers[3], "x");
  EXPECT_EQ(globe.FindGlobeObject("x"), in0);
  EXPECT_EQ(globe.FindGlobeObject("x", after), next);
  EXPECT_EQ(globe.FindGlobeObject("x", next), in3);
  EXPECT_EQ(globe.FindGlobeObject("x", in3), nullptr);  // never back to layers 0 and 1
  EXPECT_EQ(globe.FindGlobeObject("X"), nullptr);       // titles compare exactly
}

TEST_F(GlobeObjectsTest, DoProgressReturnsWhatTheHandlerSaysOfAbort) {
  EXPECT_FALSE(globe.DoProgress(1, "Loading layer x"));
  globe.OnProgress = [](int type, const std::string&, bool& abort) { abort = type == 3; };
  EXPECT_TRUE(globe.DoProgress(3, ""));
  globe.OnProgress = nullptr;
  EXPECT_FALSE(globe.DoProgress(3, ""));
}

}  // namespace
}  // namespace meridex
