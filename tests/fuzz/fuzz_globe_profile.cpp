// libFuzzer target: any bytes as the globe's profile. Loading must read every
// section and key it names, load the layers it lists (or tell which failed)
// and never crash, overrun or hang; whatever loaded is then drawn on a canvas
// that draws nothing.
//
// The profile lies in a folder of its own whose "maps" folder holds the
// shipped city layer under each of the shipped layer names, so that a
// mutated list still finds files: the layer files themselves have their own
// fuzz target.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "common/errors.h"
#include "globe/globe_canvas.h"
#include "globe/globe_engine.h"
#include "globe/globe_window.h"

namespace {

namespace fs = std::filesystem;

// The folder, removed when the fuzzer ends.
struct Folder {
  Folder()
      : path(fs::temp_directory_path() / ("meridex-profile-fuzz-" + std::to_string(::getpid()))) {
    fs::create_directories(path / "maps");
    const fs::path cities = fs::path(MERIDEX_DATA_DIR) / "maps" / "cities.dat";
    for (const char* name : {"land.dat", "countries.dat", "borders.dat", "cities.dat"}) {
      fs::copy_file(cities, path / "maps" / name, fs::copy_options::overwrite_existing);
    }
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace meridex;
  static const Folder folder;
  static const fs::path profile = folder.path / "fuzz.prf";
  {
    std::ofstream out(profile, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  TMessageLog log;  // outlives the globe, which it serves
  TGlobeEngine globe(320, 240);
  globe.SetWindow(&log);
  globe.SetDrawGrid(TDrawGrid::dgNone);
  try {
    globe.SetProfileName(profile.string());
  } catch (const AppError&) {
    // A profile error that is not a layer's is the caller's to tell.
  }
  TNullCanvas canvas({0, 0, 320, 240});
  globe.ZoomToRect({});
  globe.Paint(canvas);
  return 0;
}
