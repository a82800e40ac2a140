#include "globe/globe_layer.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "common/errors.h"
#include "common/record_io.h"
#include "globe/file_names.h"
#include "globe/globe_classes.h"
#include "globe/globe_exception.h"
#include "globe/globe_object.h"

namespace meridex {

TGlobeLayer::TGlobeLayer(TGlobeEngine& globe) : globe_(&globe) { ResetFields(); }

TGlobeLayer::~TGlobeLayer() {
  Clear();
  globe_->LayerDestroyed(*this);
  globe_->SetLayersChanged();
  globe_->Redraw();
}

void TGlobeLayer::ResetFields() {
  Name.clear();
  FileName.clear();
  Extent = {0, 0, 0, 0};
  Visible = true;
  Enabled = true;
  ScaleFont = true;
  Animated = false;
  MaxFontHeight = 0;
  ZoomMin = 0;
  ZoomMax = 0;
  ZoomUnits = TGlobeUnits::NauticalMile;
}

void TGlobeLayer::Clear() {
  ResetFields();
  TGlobeObject* selected = globe_->SelectedObject();
  if (selected && selected->Layer == this) globe_->SetSelectedObject(nullptr);
  FreeObjects();
  attributes_.clear();
  arena_.Reset();  // the next load lies in load order again
  vertexArena_.Reset();
  keptArena_.Reset();
  globe_->Redraw();
}

void TGlobeLayer::FreeObjects() {
  while (!objects_.empty()) {
    std::unique_ptr<TGlobeObject> object = std::move(objects_.back());
    objects_.pop_back();
    globe_->DoObjectFree(*object);
  }
}

void TGlobeLayer::SetName(const std::string& name) {
  Name = name;
  globe_->SetLayersChanged();
}

TGlobeObject* TGlobeLayer::Objects(int index) const {
  if (index < 0 || index >= ObjectCount()) return nullptr;
  return objects_[static_cast<std::size_t>(index)].get();
}

TGlobeAttribute* TGlobeLayer::Attributes(int index) const {
  if (index < 0 || index >= AttributeCount()) throw EListError(index);
  return attributes_[static_cast<std::size_t>(index)].get();
}

int TGlobeLayer::IndexOfObject(const TGlobeObject* object) const {
  for (std::size_t i = 0; i < objects_.size(); ++i)
    if (objects_[i].get() == object) return static_cast<int>(i);
  return -1;
}

int TGlobeLayer::Index() const { return globe_->IndexOfLayer(this); }

int TGlobeLayer::IndexOfAttribute(const TGlobeAttribute* attribute) const {
  for (std::size_t i = 0; i < attributes_.size(); ++i)
    if (attributes_[i].get() == attribute) return static_cast<int>(i);
  return -1;
}

void TGlobeLayer::Adopt(std::unique_ptr<TGlobeObject> object) {
  if (object->Layer != this)
    throw EGlobeException("TGlobeLayer.Adopt: the object was made for another layer");
  objects_.push_back(std::move(object));
}

void TGlobeLayer::Adopt(std::unique_ptr<TGlobeAttribute> attribute) {
  if (attribute->Layer != this)
    throw EGlobeException("TGlobeLayer.Adopt: the attribute was made for another layer");
  attributes_.push_back(std::move(attribute));
}

void TGlobeLayer::DeleteAttribute(TGlobeAttribute* attribute) {
  const int i = IndexOfAttribute(attribute);
  if (i >= 0) attributes_.erase(attributes_.begin() + i);
}

// --- loading

void TGlobeLayer::LoadFromFile(const std::string& fileName) {
  if (fileName.empty()) return;
  globe_->DoProgress(1, FormatText("Loading layer %s", fileName.c_str()));
  std::string prefix;
  if (!HasDirectory(fileName)) {
    prefix = globe_->DataDirectory();
    if (!prefix.empty() && !IsPathSeparator(prefix.back())) prefix += '/';
  }
  const std::filesystem::path path = NativePath(prefix + fileName);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    throw EGlobeException::Fmt("LoadFromFile: File %s%s not found", prefix.c_str(),
                               fileName.c_str());

  struct BusyCursor {
    TGlobeEngine& globe;
    explicit BusyCursor(TGlobeEngine& g) : globe(g) { globe.ShowBusy(true); }
    ~BusyCursor() { globe.ShowBusy(false); }
  } busy(*globe_);

  FileName = fileName;
  Name = WithoutExtension(FilePart(fileName));
  Bytes data;
  try {
    data = ReadWholeFile(path);
  } catch (const IoError& e) {
    throw EGlobeException(e.what());
  }
  LoadFromBytes(data, fileName);
}

void TGlobeLayer::LoadFromBytes(std::span<const std::uint8_t> data, const std::string& fileName) {
  FileName = fileName;
  Name = WithoutExtension(FilePart(fileName));
  std::exception_ptr failure;
  try {
    TGlobeReader reader(data);
    try {
      ReadBlocks(reader);
    } catch (const EGlobeDataError& e) {
      throw EGlobeException::Fmt("LoadFromFile: %s in %s", e.what(), fileName.c_str());
    }
  } catch (...) {
    failure = std::current_exception();
  }
  // Whatever happened above, the layer's settings are read, the end of the
  // load is reported and the globe redrawn; then a loading error goes on.
  try {
    if (globe_->Profile()) ReadProfileKeys(FilePart(fileName));
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  globe_->DoProgress(2, "");
  globe_->Redraw();
  if (failure) std::rethrow_exception(failure);
}

void TGlobeLayer::ReadBlocks(TGlobeReader& reader) {
  const std::string& file = FileName;
  TLoadState& state = reader.State;
  state.FileVersion = reader.ReadWord();
  if (state.FileVersion == LAYER_VERSION_202) {
    reader.Skip(4);
    state.CoordinateDivisor = 90000;
  } else if (state.FileVersion == LAYER_VERSION_210 || state.FileVersion == LAYER_VERSION_220) {
    const std::int16_t format = reader.ReadSmallInt();
    if (format != 0 && format != 1)
      throw EGlobeException::Fmt("LoadFromFile: Invalid Data Format %d in %s", format,
                                 file.c_str());
    state.CoordinateDivisor = format == 0 ? 90000 : 1;
    reader.Skip(2);
  } else {
    throw EGlobeException::Fmt("LoadFromFile: Invalid File Version %X in %s",
                               unsigned{state.FileVersion}, file.c_str());
  }

  const bool old = state.FileVersion == LAYER_VERSION_202;
  while (!reader.AtEnd()) {
    const std::int32_t count = old ? reader.ReadSmallInt() : reader.ReadInteger();
    const std::string className = reader.ReadShortString();
    state.ClassDataVersion = old ? 0 : reader.ReadWord();
    const TGlobeClassFactory factory = globe_->GlobeClasses().Find(className);
    if (!factory)
      throw EGlobeException::Fmt("LoadFromFile: Unknown Globe Object Class %s in %s",
                                 className.c_str(), file.c_str());
    // Every record takes at least one byte: a larger count cannot be right.
    if (count > 0 && static_cast<std::size_t>(count) > reader.Remaining())
      throw EGlobeDataError(FormatText("Bad record count %d", count));
    for (std::int32_t i = 0; i < count; ++i) {
      TGlobePersistant* item = factory(*this);
      auto* object = dynamic_cast<TGlobeObject*>(item);
      try {
        item->ReadFromStream(reader);
      } catch (...) {
        // An incomplete record is not kept.
        if (object) {
          objects_.pop_back();
        } else {
          attributes_.pop_back();
        }
        throw;
      }
      if (object) globe_->DoObjectCreate(*object);
      if (i % 1000 == 0) globe_->DoProgress(0, FormatText("Loaded %d objects", i));
    }
  }
}

void TGlobeLayer::ReadProfileKeys(const std::string& section) {
  const TProfileReader& profile = *globe_->Profile();
  Name = profile.ReadString(section, "Name", Name);
  Enabled = profile.ReadBool(section, "Enabled", Enabled);
  Visible = profile.ReadBool(section, "Visible", Visible);
  Animated = profile.ReadBool(section, "Animated", Animated);
  ScaleFont = profile.ReadBool(section, "ScaleFont", ScaleFont);
  ZoomUnits = StrToUnits(profile.ReadString(section, "ZoomUnits", UnitsToStr(ZoomUnits)));
  ZoomMin = profile.ReadInteger(section, "ZoomMin", ZoomMin);
  ZoomMax = profile.ReadInteger(section, "ZoomMax", ZoomMax);
  MaxFontHeight = profile.ReadInteger(section, "MaxFontHeight", MaxFontHeight);
}

// --- drawing

bool TGlobeLayer::IsDrawable() {
  if (!Visible || objects_.empty()) return false;
  const std::int64_t w = Round64(globe_->ViewWidth() / globe_->Scale());  // visible width, GU
  const std::int64_t lo = UnitsToGlobeUnits(ZoomMin, ZoomUnits);
  const std::int64_t hi = UnitsToGlobeUnits(ZoomMax, ZoomUnits);
  if ((lo != 0 && lo > w) || (hi != 0 && hi < w)) return false;
  if (Animated || ExtentEmpty(Extent)) return true;
  std::uint8_t clipCode = 0;
  return globe_->PrjModel().RectVisible(Extent, clipCode);
}

namespace {

// The box around objects' extents; the layer's extent when it is smaller
// than half the world each way, else empty.
class TExtentUnion {
 public:
  void Add(const TRect& r) {
    left_ = std::min<std::int64_t>(left_, r.Left);
    top_ = std::min<std::int64_t>(top_, r.Top);
    right_ = std::max<std::int64_t>(right_, r.Right);
    bottom_ = std::max<std::int64_t>(bottom_, r.Bottom);
  }
  TRect LayerExtent() const {
    if (right_ - left_ < GU_180 && bottom_ - top_ < GU_90)
      return {Wrap32(left_), Wrap32(top_), Wrap32(right_), Wrap32(bottom_)};
    return {0, 0, 0, 0};
  }

 private:
  std::int64_t left_ = INT32_MAX, top_ = INT32_MAX, right_ = -INT32_MAX, bottom_ = -INT32_MAX;
};

}  // namespace

void TGlobeLayer::Render() {
  if (!Visible) return;
  TGlobeEngine& globe = *globe_;
  const bool viewChanged = globe.ViewChanged();
  const bool redrawNeeded = globe.RedrawNeeded();
  for (const auto& attribute : attributes_) attribute->ResetCache();
  std::uint64_t deadline = globe.TickMs() + 500;
  // After a view change every object makes its extent again here, and the
  // layer's follows from them without another pass over the objects.
  TExtentUnion all;
  bool allMade = false;
  if (IsDrawable()) {
    // Objects further on are fetched while this one is worked: the first
    // cache lines of the one sixteen ahead (after a zoom, which reads more
    // of each object, as many as a filled shape takes), then, eight ahead,
    // what that one will read (its kept points or vertices, found through
    // the lines already fetched).
    constexpr std::size_t kAhead = 8;
    const int farLines = viewChanged ? 9 : 5;
    for (std::size_t i = 0; i < objects_.size(); ++i) {
      if (i + 2 * kAhead < objects_.size()) {
        const char* far = reinterpret_cast<const char*>(objects_[i + 2 * kAhead].get());
        for (int line = 0; line < farLines; ++line) __builtin_prefetch(far + 64 * line);
      }
      if (i + kAhead < objects_.size()) objects_[i + kAhead]->Prefetch(viewChanged);
      TGlobeObject& object = *objects_[i];
      std::uint8_t& state = object.ObjectState;
      if (viewChanged || (state & OS_RECALC_EXTENT)) {
        state &= static_cast<std::uint8_t>(~(OS_RECALC_EXTENT | OS_ON_SCREEN | OS_TOO_SMALL));
        state |= OS_RETEST_VISIBLE;
        object.CalcExtent();
      }
      all.Add(object.Extent);
      if (!(state & OS_TOO_SMALL)) {
        if (redrawNeeded || (state & OS_RETEST_VISIBLE)) {
          if (object.CalcVisible())
            state |= OS_ON_SCREEN;
          else
            state &= static_cast<std::uint8_t>(~(OS_RETEST_VISIBLE | OS_ON_SCREEN));
        }
        if (state & OS_ON_SCREEN) {
          state |= OS_OWN_ATTRIBUTES;
          if (globe.DoRenderAttributes(object))
            state &= static_cast<std::uint8_t>(~OS_OWN_ATTRIBUTES);
          object.Render();
        }
      }
      if (i % 255 == 0 && globe.ProgressiveDisplay && globe.TickMs() >= deadline) {
        globe.CopyToScreen();
        deadline = globe.TickMs() + 500;
      }
    }
    allMade = true;
  }
  if (viewChanged) {
    if (allMade)
      Extent = all.LayerExtent();
    else
      CalcExtent();
  }
}

void TGlobeLayer::CalcExtent() {
  TExtentUnion all;
  for (const auto& object : objects_) all.Add(object->Extent);
  Extent = all.LayerExtent();
}

// --- finding

TGlobeObject* TGlobeLayer::ObjectAtXY(int x, int y) {
  try {
    TPrjModel& model = globe_->PrjModel();
    if (!model.XYToLL(x, y, 0)) return nullptr;
    const TLLPoint p = model.Point(0);
    const int count = ObjectCount();
    if (count == 0) return nullptr;
    int start = count - 1;
    TGlobeObject* selected = globe_->SelectedObject();
    if (selected && selected->PtInObject(p.X, p.Y)) {
      start = IndexOfObject(selected) - 1;
      if (start < 0) start = count - 1;
    }
    if (!IsDrawable()) return nullptr;
    int i = start;
    do {
      TGlobeObject* object = objects_[static_cast<std::size_t>(i)].get();
      if ((object->ObjectState & OS_ON_SCREEN) && object->PtInObject(p.X, p.Y)) return object;
      i = i == 0 ? count - 1 : i - 1;
    } while (i != start);
  } catch (...) {
    // Whatever goes wrong on the way, nothing is under the mouse.
  }
  return nullptr;
}

TGlobeObject* TGlobeLayer::FindObject(const std::string& title, const TGlobeObject* after) const {
  const int from = after ? after->Index() + 1 : 0;
  for (int i = std::max(from, 0); i < ObjectCount(); ++i)
    if (objects_[static_cast<std::size_t>(i)]->Title == title)
      return objects_[static_cast<std::size_t>(i)].get();
  return nullptr;
}

}  // namespace meridex
