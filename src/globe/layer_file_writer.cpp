#include "globe/layer_file_writer.h"

#include <cstring>

#include "common/record_io.h"
#include "globe/globe_exception.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"

namespace meridex {

namespace {

// Writes items[0..count-1] (fetched by get) as class blocks.
template <class Get>
void WriteBlocks(TGlobeWriter& out, int count, Get get) {
  int i = 0;
  while (i < count) {
    const TGlobePersistant* first = get(i);
    int end = i + 1;
    while (end < count && std::strcmp(get(end)->ClassName(), first->ClassName()) == 0) ++end;
    out.WriteInteger(end - i);
    out.WriteShortString(first->ClassName());
    out.WriteWord(first->DataVersion());
    out.State.ClassDataVersion = first->DataVersion();
    for (; i < end; ++i) get(i)->WriteToStream(out);
  }
}

}  // namespace

std::vector<std::uint8_t> WriteLayerFile(const TGlobeLayer& layer, std::int32_t coordinateDivisor) {
  if (coordinateDivisor != 1 && coordinateDivisor != 90000)
    throw EGlobeException::Fmt("WriteLayerFile: Invalid coordinate divisor %d", coordinateDivisor);
  TGlobeWriter out({LAYER_VERSION_220, coordinateDivisor, 0});
  out.WriteWord(LAYER_VERSION_220);
  out.WriteWord(coordinateDivisor == 1 ? 1 : 0);
  out.WriteWord(0);
  WriteBlocks(out, layer.AttributeCount(), [&](int i) { return layer.Attributes(i); });
  WriteBlocks(out, layer.ObjectCount(), [&](int i) { return layer.Objects(i); });
  return out.Take();
}

void SaveLayerFile(const TGlobeLayer& layer, const std::filesystem::path& file,
                   std::int32_t coordinateDivisor) {
  WriteFileAtomically(file, WriteLayerFile(layer, coordinateDivisor));
}

}  // namespace meridex
