// The globe's layers, class registry, profile, selection and events.
#include "globe/globe_engine.h"

#include <algorithm>
#include <system_error>

#include "globe/file_names.h"
#include "globe/globe_exception.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"
#include "globe/spherical_prj.h"

namespace meridex {

namespace {

std::filesystem::path RunningProgramDirectory() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : exe.parent_path();
}

// The busy cursor for as long as it lives, however the work ends.
class TBusyCursor {
 public:
  explicit TBusyCursor(TGlobeEngine& globe) : globe_(globe) { globe_.ShowBusy(true); }
  ~TBusyCursor() { globe_.ShowBusy(false); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  TGlobeEngine& globe_;
};

}  // namespace

TGlobeEngine::TGlobeEngine()
    : nullCanvas_({0, 0, kCreationSize, kCreationSize}),
      model_(std::make_unique<TSphericalPrj>(*this)),
      programDirectory_(RunningProgramDirectory()) {
  RegisterStandardGlobeClasses(classes_);
  SetScrollRanges();
}

TGlobeEngine::TGlobeEngine(int width, int height) : TGlobeEngine() { Resize(width, height); }

TGlobeEngine::~TGlobeEngine() {
  destroying_ = true;
  ClearLayers();
}

// --- properties

void TGlobeEngine::SetLongitudeStep(int degrees) {
  if (degrees < 0 || degrees > 359) return;
  longitudeStep_ = degrees;
  window_->Invalidate();
}

void TGlobeEngine::SetLatitudeStep(int degrees) {
  if (degrees < 0 || degrees > 359) return;
  latitudeStep_ = degrees;
  window_->Invalidate();
}

void TGlobeEngine::SetDrawGrid(TDrawGrid value) {
  drawGrid_ = value;
  window_->Invalidate();
}

void TGlobeEngine::SetMinTextHeight(int pixels) {
  minTextHeight_ = pixels;
  window_->Invalidate();
}

void TGlobeEngine::SetGlobeColor(TColor color) {
  globeColor_ = color;
  window_->Invalidate();
}

void TGlobeEngine::SetColor(TColor color) {
  color_ = color;
  window_->Invalidate();
}

// --- layers

TGlobeLayer& TGlobeEngine::AddLayer(const std::string& name) {
  layersChanged_ = true;
  layers_.push_back(std::make_unique<TGlobeLayer>(*this));
  TGlobeLayer& layer = *layers_.back();
  layer.SetName(name);
  layer.FileName = name + ".dat";
  return layer;
}

TGlobeLayer& TGlobeEngine::GetLayer(int index) const {
  if (index < 0 || index >= LayerCount())
    throw EGlobeException::Fmt("TGlobe.GetLayer: Bad layer index %d", index);
  return *layers_[static_cast<std::size_t>(index)];
}

int TGlobeEngine::IndexOfLayer(const TGlobeLayer* layer) const {
  for (std::size_t i = 0; i < layers_.size(); ++i)
    if (layers_[i].get() == layer) return static_cast<int>(i);
  return -1;
}

void TGlobeEngine::DeleteLayer(TGlobeLayer& layer) {
  const int i = IndexOfLayer(&layer);
  if (i < 0) return;
  std::unique_ptr<TGlobeLayer> owned = std::move(layers_[static_cast<std::size_t>(i)]);
  layers_.erase(layers_.begin() + i);
}

void TGlobeEngine::LayerDestroyed(TGlobeLayer& layer) {
  const int i = IndexOfLayer(&layer);
  if (i < 0) return;
  layers_[static_cast<std::size_t>(i)].release();  // it is being destroyed already
  layers_.erase(layers_.begin() + i);
}

void TGlobeEngine::ClearLayers() {
  profile_.reset();
  profileName_.clear();
  while (!layers_.empty()) {
    std::unique_ptr<TGlobeLayer> layer = std::move(layers_.back());
    layers_.pop_back();
  }
  if (!destroying_) ZoomToRect({});
}

void TGlobeEngine::RegisterGlobeClass(const std::string& className, TGlobeClassFactory factory) {
  classes_.Register(className, factory);
}

// --- selection and search

void TGlobeEngine::SetSelectedObject(TGlobeObject* object) {
  if (object == selected_) return;
  if (selected_) selected_->SetSelected(false);
  selected_ = object;
  if (selected_) selected_->SetSelected(true);
  if (OnSelected) OnSelected();
}

TGlobeObject* TGlobeEngine::ObjectAtXY(int x, int y) {
  for (auto layer = layers_.rbegin(); layer != layers_.rend(); ++layer) {
    if (!(*layer)->Enabled || !(*layer)->Visible) continue;
    if (TGlobeObject* object = (*layer)->ObjectAtXY(x, y)) return object;
  }
  return nullptr;
}

TGlobeObject* TGlobeEngine::FindGlobeObject(const std::string& title, const TGlobeObject* after) {
  int first = after ? IndexOfLayer(after->Layer) : 0;
  if (first < 0) {  // not one of ours: search everything
    first = 0;
    after = nullptr;
  }
  for (int i = first; i < LayerCount(); ++i) {
    const TGlobeObject* from = i == first ? after : nullptr;
    if (TGlobeObject* found = layers_[static_cast<std::size_t>(i)]->FindObject(title, from))
      return found;
  }
  return nullptr;
}

// --- events

bool TGlobeEngine::DoProgress(int msgType, const std::string& msgText) {
  bool abort = false;
  if (OnProgress) OnProgress(msgType, msgText, abort);
  return abort;
}

void TGlobeEngine::DoObjectCreate(TGlobeObject& object) {
  if (OnObjectCreate) OnObjectCreate(object);
}

void TGlobeEngine::DoObjectFree(TGlobeObject& object) {
  if (OnObjectFree) OnObjectFree(object);
}

bool TGlobeEngine::DoRenderAttributes(TGlobeObject& object) {
  bool done = false;
  if (OnRenderAttributes) OnRenderAttributes(object, done);
  return done;
}

TGlobeCanvas& TGlobeEngine::DrawingCanvas() {
  if (canvas_) return *canvas_;
  if (screenCanvas_) return *screenCanvas_;
  return nullCanvas_;
}

TRect TGlobeEngine::ClipRect() const {
  if (canvas_) return canvas_->ClipRect();
  if (screenCanvas_) return screenCanvas_->ClipRect();
  return nullCanvas_.ClipRect();
}

// --- the profile

void TGlobeEngine::SetProfileName(const std::string& value) {
  if (value == profileName_) return;
  profile_.reset();
  profileName_.clear();
  if (!value.empty()) {
    TBusyCursor busy(*this);
    std::string dir = DirectoryPart(value);
    if (dir.empty() && !programDirectory_.empty()) dir = programDirectory_.string() + '/';
    profileName_ = dir + FilePart(value);
    profile_ = std::make_unique<TProfileFile>(NativePath(profileName_));
    LoadProfileLayers(dir);
  }
  layersChanged_ = false;
}

void TGlobeEngine::LoadProfileLayers(const std::string& dir) {
  std::string dataDir = profile_->ReadString("Global Settings", "DataDirectory", dataDirectory_);
  if (!dataDir.empty() && !IsPathSeparator(dataDir.back())) dataDir += '/';
  for (int i = 0; i <= 32767; ++i) {
    const std::string entry = profile_->ReadString("LayerList", std::to_string(i), "");
    if (entry.empty()) break;
    TGlobeLayer& layer = AddLayer("");
    // A bare name is a file of the data directory, a name with a directory
    // lies below the profile's directory; an absolute one is taken as it is.
    const std::string path =
        entry.front() == '/' ? entry : (HasDirectory(entry) ? dir : dataDir) + entry;
    try {
      layer.LoadFromFile(path);
    } catch (const EGlobeException& e) {
      window_->ShowMessage(e.what());
      DeleteLayer(layer);
    } catch (const EListError& e) {
      // A record naming an attribute that is not there is a bad file like
      // any other: reported, and the other layers still load.
      window_->ShowMessage(std::string(e.what()) + " in " + path);
      DeleteLayer(layer);
    }
  }
}

}  // namespace meridex
