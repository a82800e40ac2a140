#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "globe/globe_canvas.h"
#include "globe/globe_classes.h"
#include "globe/globe_units.h"
#include "globe/globe_window.h"
#include "globe/prj_model.h"
#include "globe/profile_reader.h"

namespace meridex {

class TGlobeFont;
class TGlobeLayer;
class TGlobeObject;

enum class TGlobeProjection { gpSpherical, gpCartesian, gpMercator };
// The first three compare equal to TMouseButton's values in that order;
// mzbNone matches no button.
enum class TGlobeMouseButton { mzbLeft, mzbRight, mzbMiddle, mzbNone };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TDrawGrid { dgNone, dgBehind, dgInFront };
enum class TScrollBarKind { Horizontal, Vertical };
// Line and page steps of a scroll bar ("up" also means "left").
enum class TScrollCode { LineUp, LineDown, PageUp, PageDown, Other };
// What the keyboard asks of the globe.
enum class TGlobeKey { Left, Right, Up, Down, ZoomIn, ZoomOut, Home };

struct TShiftState {
  bool Shift = false, Ctrl = false, Alt = false;
  bool Any() const { return Shift || Ctrl || Alt; }
};

// Drawing state shared by the objects while a globe renders: the font now
// selected in the drawing canvas (so objects of one font drawn in a row do
// not make it again) and the horizontal offset of text labels in pixels.
struct TRenderState {
  const TGlobeFont* CurrentFont = nullptr;
  int LabelOffset = 0;
};

// Indexes of GetRotation / SetRotation: the low two bits pick the axis, 4
// whole degrees, 8 minutes, 16 seconds, none of them GlobeUnits.
inline constexpr int ROT_Z = 0, ROT_Y = 1, ROT_X = 2;
inline constexpr int ROT_DEGREES = 4, ROT_MINUTES = 8, ROT_SECONDS = 16;

// The globe: the earth as a rotatable orthographic sphere or a flat
// Cartesian or Mercator map, with a graticule and layers of globe objects.
// It owns everything but the pixels on a screen: the projection model and
// the view (scale, centre, rotations, the resize rule), the layers and the
// class registry, the profile and its layer list, the selection, the mouse
// gestures, the scroll bars' ranges and positions, and the point buffers its
// projections write into. It renders onto any TGlobeCanvas and reaches its
// window only through TGlobeWindow; the Qt control (TGlobe) is this class
// shown in a QWidget, and tools, tests and benchmarks use it as it is.
//
// Coordinates: pixels of the client area; GlobeUnits (1/5,400,000 degree)
// on the earth; Scale is pixels per GlobeUnit.
class TGlobeEngine : public TProjectionHost {
 public:
  static constexpr int kCreationSize = 150;

  // A globe of 150 x 150 pixels before its first resize.
  TGlobeEngine();
  // A globe after its first resize to width x height: the earth fits.
  TGlobeEngine(int width, int height);
  ~TGlobeEngine() override;
  TGlobeEngine(const TGlobeEngine&) = delete;
  TGlobeEngine& operator=(const TGlobeEngine&) = delete;

  // nullptr: no window. The window must outlive the globe or be taken away
  // first (layers destroyed with the globe still ask it to repaint).
  void SetWindow(TGlobeWindow* window) { window_ = window ? window : &noWindow_; }
  // The tick of clock times progressive display (the system clock by default).
  void SetClock(const Clock& clock) { clock_ = &clock; }

  // --- events (all optional)
  std::function<void()> OnRender;    // the picture is rendered; draw on DrawingCanvas()
  std::function<void()> OnPaint;     // after every paint
  std::function<void()> OnSelected;  // SelectedObject changed
  std::function<void()> OnZoomed;    // SetScale or ZoomToRect changed the scale
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  // The layer loader's progress: 1 "Loading layer <file>", 0 "Loaded <n>
  // objects", 2 "" at the end of a file.
  std::function<void(int msgType, const std::string& msgText, bool& abort)> OnProgress;
  // Per object before it is drawn; set done when the handler set the canvas.
  std::function<void(TGlobeObject& object, bool& done)> OnRenderAttributes;
  std::function<void(TGlobeObject& object)> OnObjectCreate;
  std::function<void(TGlobeObject& object)> OnObjectFree;
  std::function<void(TMouseButton button, TShiftState shift, int x, int y)> OnMouseDown;
  std::function<void(TShiftState shift, int x, int y)> OnMouseMove;
  std::function<void(TMouseButton button, TShiftState shift, int x, int y)> OnMouseUp;

  // --- properties
  TPenSpec SelectedPen{0x0000FF, TPenStyle::psSolid, 1};     // red
  TBrushSpec SelectedBrush{0x00FFFF, TBrushStyle::bsSolid};  // yellow
  TGlobeMouseButton MouseZoomButton = TGlobeMouseButton::mzbRight;
  TGlobeMouseButton MouseSelectButton = TGlobeMouseButton::mzbNone;
  TGlobeMouseButton MouseRotateButton = TGlobeMouseButton::mzbNone;
  // Given to the drawing canvas after the layers, before OnRender.
  TPenSpec Pen{0x000000, TPenStyle::psSolid, 1};
  TBrushSpec Brush{0xFFFFFF, TBrushStyle::bsSolid};
  TLogFont Font{"Arial", -16};  // 12 points at 96 pixels per inch
  TColor FontColor = 0xFFFFFF;
  int FontAngle = 0;                                 // stored only
  TGlobeUnits FontUnit = TGlobeUnits::NauticalMile;  // stored only
  // Long layer renders show the partial picture now and then.
  bool ProgressiveDisplay = true;

  // The profile's full file name, or empty. Setting it loads the profile's
  // layers (appended to those there are); failed layers are shown through
  // the window's ShowMessage and left out.
  const std::string& ProfileName() const { return profileName_; }
  void SetProfileName(const std::string& value);
  // Where layer files named without a directory are looked up.
  const std::string& DataDirectory() const { return dataDirectory_; }
  void SetDataDirectory(const std::string& value) { dataDirectory_ = value; }
  // Where a profile named without a directory is looked up; the running
  // program's directory unless set.
  const std::filesystem::path& ProgramDirectory() const { return programDirectory_; }
  void SetProgramDirectory(const std::filesystem::path& dir) { programDirectory_ = dir; }

  // Degrees between meridians / parallels; values outside 0..359 are
  // ignored, 0 draws none.
  int LongitudeStep() const { return longitudeStep_; }
  void SetLongitudeStep(int degrees);
  int LatitudeStep() const { return latitudeStep_; }
  void SetLatitudeStep(int degrees);
  TDrawGrid DrawGrid() const { return drawGrid_; }
  void SetDrawGrid(TDrawGrid value);
  int MinTextHeight() const { return minTextHeight_; }  // pixels
  void SetMinTextHeight(int pixels);
  TColor GlobeColor() const { return globeColor_; }  // the disc or map rectangle
  void SetGlobeColor(TColor color);
  TColor Color() const { return color_; }  // behind the globe
  void SetColor(TColor color);
  // The screen's vertical pixels per inch (UnitsPerInch follows at the next
  // change of the view).
  void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }

  TGlobeProjection Projection() const { return projection_; }
  // The same projection again fits the whole earth; another one keeps the
  // point in the middle of the view, or fits the earth when that point is
  // not on the new map.
  void SetProjection(TGlobeProjection projection);

  // Rotation in GlobeUnits, or whole degrees, minutes or seconds (ROT_*).
  std::int32_t GetRotation(int index) const;
  void SetRotation(int index, std::int32_t value);
  int XRotationInDegs() const { return GetRotation(ROT_X | ROT_DEGREES); }
  void SetXRotationInDegs(int v) { SetRotation(ROT_X | ROT_DEGREES, v); }
  int YRotationInDegs() const { return GetRotation(ROT_Y | ROT_DEGREES); }
  void SetYRotationInDegs(int v) { SetRotation(ROT_Y | ROT_DEGREES, v); }
  int ZRotationInDegs() const { return GetRotation(ROT_Z | ROT_DEGREES); }
  void SetZRotationInDegs(int v) { SetRotation(ROT_Z | ROT_DEGREES, v); }

  // --- the view
  long double Scale() const { return model_->Scale; }  // pixels per GlobeUnit
  // Zooms about the middle of the view; at most 4, and never so far out
  // that the view spans more than 2^31 - 1 GlobeUnits.
  void SetScale(long double scale);
  // The same, keeping the point under pixel (x, y) where it is.
  void ZoomAt(long double scale, int x, int y);
  // rect in GlobeUnits from the view's top-left corner: its top-left corner
  // comes to the view's and its smaller side fills the view's smaller side.
  // An empty rectangle fits the whole earth.
  void ZoomToRect(const TRect& rect);
  std::int32_t UnitsPerInch() const { return model_->UnitsPerInch; }
  // The earth point under pixel (x, y); off the globe or map false and
  // (180 degrees, 180 degrees).
  bool XYToLL(int x, int y, TLLPoint& ll);
  // Moves the view by GlobeUnits (positive: right and down), and redraws.
  void ScrollBy(std::int32_t dx, std::int32_t dy);
  // Puts the projection's origin at pixel p; shows when next rendered.
  void SetCenterXY(TPoint p);
  // Turns or shifts the view so that the middle of object's extent comes to
  // the middle of the view.
  void CenterOnObject(TGlobeObject* object);
  // A new client size. The first fits the earth; later ones keep the middle
  // and the scale (within its limits).
  void Resize(int width, int height);
  // The picture is stale: render it at the next paint.
  void Redraw() override;
  // A line through the projection in steps equal lat/long steps, broken
  // where it passes behind the globe or off the map.
  void DrawLLLine(TLLPoint from, TLLPoint to, std::int64_t steps);

  int ViewWidth() const { return viewWidth_; }
  int ViewHeight() const { return viewHeight_; }
  // (0, 0, visible width, visible height) in GlobeUnits.
  const TRect& ViewRect() const { return viewRect_; }

  // --- scroll bars (GlobeUnits)
  void Scroll(TScrollBarKind bar, TScrollCode code);
  // Ranges as (min, max), set when the projection is set.
  TPoint HorzScrollRange() const { return horzRange_; }
  TPoint VertScrollRange() const { return vertRange_; }
  // The bars' positions for the current view.
  TPoint ScrollPosition() const;

  // --- mouse and keyboard (client pixels)
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Zooms about (x, y); delta in eighths of a degree (120 a notch), small
  // touchpad steps add up.
  void MouseWheel(int delta, int x, int y);
  // Arrows turn the sphere and pan the maps, ZoomIn / ZoomOut zoom about
  // the middle, Home fits the earth. True when the key did something.
  bool KeyCommand(TGlobeKey key);
  bool ZoomBandActive() const { return zoomBandActive_; }
  const TRect& ZoomBand() const { return zoomBand_; }  // client pixels
  bool Rotating() const { return rotating_; }

  // --- painting
  // Renders the picture on `picture` when it is stale, has the window copy
  // it (CopyToScreen), draws the animated layers on `screen`, raises
  // OnPaint and clears the flags. An error while rendering is passed on
  // after all of that.
  void Paint(TGlobeCanvas& picture, TGlobeCanvas& screen);
  void Paint(TGlobeCanvas& canvas) { Paint(canvas, canvas); }
  // Where drawing goes outside a paint (what a window without a paint in
  // progress offers); nullptr draws nothing.
  void SetScreenCanvas(TGlobeCanvas* canvas) { screenCanvas_ = canvas; }
  // The picture is stale.
  bool NeedsRender() const { return viewChanged_ || redrawNeeded_; }

  // --- layers
  // A new layer on top, named name, with file name name + ".dat".
  TGlobeLayer& AddLayer(const std::string& name);
  // Throws EGlobeException "TGlobe.GetLayer: Bad layer index %d".
  TGlobeLayer& GetLayer(int index) const;
  int LayerCount() const { return static_cast<int>(layers_.size()); }
  int IndexOfLayer(const TGlobeLayer* layer) const;
  // Destroys one layer; the others keep their order.
  void DeleteLayer(TGlobeLayer& layer);
  // Frees the profile and every layer, then fits the earth.
  void ClearLayers();
  // Throws EGlobeException "TGlobe.RegisterGlobeClass: Class %s already registered".
  void RegisterGlobeClass(const std::string& className, TGlobeClassFactory factory);
  const TGlobeClassRegistry& GlobeClasses() const { return classes_; }
  bool LayersChanged() const { return layersChanged_; }

  TGlobeObject* SelectedObject() const { return selected_; }
  // Raises OnSelected when the selection changes (also to none).
  void SetSelectedObject(TGlobeObject* object);
  // The topmost on-screen object under the pixel among the enabled and
  // visible layers, or nullptr.
  TGlobeObject* ObjectAtXY(int x, int y);
  // The first object titled title from after's layer on (after itself and
  // the objects before it excluded), or nullptr.
  TGlobeObject* FindGlobeObject(const std::string& title, const TGlobeObject* after = nullptr);
  // OnProgress; returns Abort.
  bool DoProgress(int msgType, const std::string& msgText);

  // --- what layers and objects use while they load, render and find
  TPrjModel& PrjModel() { return *model_; }
  const TPrjModel& PrjModel() const { return *model_; }
  // The scale changed since the last paint: every object recomputes its extent.
  bool ViewChanged() const { return viewChanged_; }
  // The picture is stale: every object re-tests its visibility.
  bool RedrawNeeded() const { return redrawNeeded_; }
  TGlobeCanvas& DrawingCanvas();
  TRenderState& RenderState() { return renderState_; }
  void CopyToScreen() { window_->CopyToScreen(); }
  // Paints again from the cached picture (an animated layer's change).
  void Repaint() { window_->Invalidate(); }
  std::uint64_t TickMs() const { return clock_->tickMs(); }
  const TProfileReader* Profile() const { return profile_.get(); }
  void SetLayersChanged() { layersChanged_ = true; }
  // A layer's destructor: it leaves the list (it is being destroyed).
  void LayerDestroyed(TGlobeLayer& layer);
  void ShowBusy(bool busy) { window_->ShowBusy(busy); }
  void DoObjectCreate(TGlobeObject& object);
  void DoObjectFree(TGlobeObject& object);
  // Returns Done.
  bool DoRenderAttributes(TGlobeObject& object);

  // --- TProjectionHost
  TRect ClipRect() const override;
  int PixelsPerInch() const override { return pixelsPerInch_; }
  TPointBuffers& Buffers() override { return buffers_; }

 private:
  std::unique_ptr<TPrjModel> MakeModel(TGlobeProjection projection);
  long double LimitScale(long double scale) const;
  // SetView with the current rotations.
  void SetModelScale(long double scale);
  void MarkAllObjects();
  void SetScrollRanges();
  // Turns (or on the maps shifts) the view so that mid comes to the middle.
  bool TurnMiddleTo(TLLPoint mid);
  void RenderPicture(TGlobeCanvas& canvas);
  void RenderBackground(TGlobeCanvas& canvas);
  void RenderGraticule();
  // DrawLLLine; with kept, the points' projections are kept from
  // (*kept)[*next] on, next moving past them (the graticule's points come
  // back in the same order on every render).
  void TraceLLLine(TLLPoint from, TLLPoint to, std::int64_t steps, std::vector<TPointMemo>* kept,
                   std::size_t* next);
  void LoadProfileLayers(const std::string& dir);
  void RotateTo(int x, int y);
  void RotateSphereTo(int x, int y);

  TGlobeWindow noWindow_;
  TGlobeWindow* window_ = &noWindow_;
  SystemClock systemClock_;
  const Clock* clock_ = &systemClock_;
  TPointBuffers buffers_;
  std::vector<TPointMemo> graticule_;  // what the projection keeps of its points
  TNullCanvas nullCanvas_;
  TGlobeCanvas* canvas_ = nullptr;  // during a paint
  TGlobeCanvas* screenCanvas_ = nullptr;
  TRenderState renderState_;

  TGlobeProjection projection_ = TGlobeProjection::gpSpherical;
  std::unique_ptr<TPrjModel> model_;
  int viewWidth_ = kCreationSize, viewHeight_ = kCreationSize;
  TRect viewRect_;
  bool resized_ = false;  // the first resize has come
  TPoint horzRange_, vertRange_;
  int pixelsPerInch_ = 96;

  bool viewChanged_ = false;
  bool redrawNeeded_ = false;
  bool layersChanged_ = false;
  bool rotating_ = false;
  bool zoomBandActive_ = false;
  TRect zoomBand_;
  TLLPoint rotateAnchor_;  // the earth point grabbed by a rotate drag
  int wheelDelta_ = 0;     // wheel steps not yet applied

  int longitudeStep_ = 15, latitudeStep_ = 15;
  TDrawGrid drawGrid_ = TDrawGrid::dgBehind;
  int minTextHeight_ = 5;
  TColor globeColor_ = 0xFFFF00;  // aqua
  TColor color_ = 0x000000;

  std::unique_ptr<TProfileReader> profile_;
  std::string profileName_;
  std::string dataDirectory_;
  std::filesystem::path programDirectory_;
  TGlobeClassRegistry classes_;
  std::vector<std::unique_ptr<TGlobeLayer>> layers_;
  TGlobeObject* selected_ = nullptr;
  bool destroying_ = false;
};

}  // namespace meridex
