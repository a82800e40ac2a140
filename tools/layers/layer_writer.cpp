// Writes a layer file from its text description (see layer_text.h):
//   layer_writer DESCRIPTION.txt OUTPUT.dat
// The same description always gives the same bytes.
#include <fstream>
#include <iostream>

#include "common/errors.h"
#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/layer_file_writer.h"
#include "layer_text.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: layer_writer DESCRIPTION.txt OUTPUT.dat\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "layer_writer: cannot open \"" << argv[1] << "\"\n";
    return 1;
  }
  try {
    meridex::TGlobeEngine globe;
    meridex::TGlobeLayer& layer = globe.AddLayer("layer");
    const std::int32_t divisor = meridex::ReadLayerText(in, layer);
    meridex::SaveLayerFile(layer, argv[2], divisor);
    std::cout << argv[2] << ": " << layer.AttributeCount() << " attributes, " << layer.ObjectCount()
              << " objects\n";
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
