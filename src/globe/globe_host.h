#pragma once

#include <cstdint>
#include <string>

#include "globe/globe_canvas.h"
#include "globe/prj_model.h"

namespace meridex {

class TGlobeClassRegistry;
class TGlobeFont;
class TGlobeLayer;
class TGlobeObject;

// Reads the globe's profile (sectioned key = value text). Sections and keys
// are matched without regard to case; a missing key gives the default.
class TProfileReader {
 public:
  virtual ~TProfileReader() = default;
  virtual std::string ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const = 0;
  virtual std::int32_t ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const = 0;
  virtual bool ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const = 0;
};

// Drawing state shared by all objects while a globe renders: the font now
// selected in the drawing canvas (so objects of one font drawn in a row do
// not make it again) and the horizontal offset of text labels in pixels.
struct TRenderState {
  const TGlobeFont* CurrentFont = nullptr;
  int LabelOffset = 0;
};

// Everything layers and objects need from the globe that owns them. The
// globe control implements it; tests use a test globe.
class TGlobeHost : public TProjectionHost {
 public:
  // --- the view
  virtual TPrjModel& PrjModel() = 0;
  long double Scale() { return PrjModel().Scale; }  // pixels per GlobeUnit
  // The client size in pixels.
  virtual int ViewWidth() const = 0;
  virtual int ViewHeight() const = 0;
  // The scale changed since the last paint: every object recomputes its extent.
  virtual bool ViewChanged() const = 0;
  // The cached picture is stale: every object re-tests its visibility.
  virtual bool RedrawNeeded() const = 0;
  // Long layer renders may show the partial picture (CopyToScreen).
  virtual bool ProgressiveDisplay() const = 0;
  // Texts lower than this many pixels are not drawn.
  virtual int MinTextHeight() const = 0;
  virtual TPenSpec SelectedPen() const = 0;
  virtual TBrushSpec SelectedBrush() const = 0;

  // --- drawing
  // The canvas objects draw on while the globe paints (the off-screen picture).
  virtual TGlobeCanvas& DrawingCanvas() = 0;
  virtual TRenderState& RenderState() = 0;
  // Copies the off-screen picture (ViewWidth x ViewHeight) to the window.
  virtual void CopyToScreen() = 0;
  // Repaints the window from the cached picture without re-rendering it
  // (what an Animated layer's object asks for when it changes).
  virtual void Repaint() = 0;
  // Milliseconds from any fixed start (the Clock seam's tick).
  virtual std::uint64_t TickMs() const = 0;

  // --- layers, files and selection
  // Directory of layer files given without one; may be empty.
  virtual std::string DataDirectory() const = 0;
  // The open profile, or nullptr.
  virtual const TProfileReader* Profile() const = 0;
  virtual const TGlobeClassRegistry& GlobeClasses() const = 0;
  virtual TGlobeObject* SelectedObject() const = 0;
  // Deselects the old object, selects the new one (either may be nullptr)
  // and raises OnSelected.
  virtual void SetSelectedObject(TGlobeObject* object) = 0;
  virtual void SetLayersChanged() = 0;
  // Called by a layer's destructor: take it out of the layer list without
  // destroying it (it is being destroyed), and redraw.
  virtual void LayerDestroyed(TGlobeLayer& layer) = 0;
  // Shows the busy (hourglass) cursor, or restores the previous one.
  virtual void ShowBusy(bool busy) = 0;

  // --- events (all optional on the globe's side)
  // OnProgress: 1 "Loading layer <file>", 0 "Loaded <n> objects", 2 "" at
  // the end. Returns Abort (which loaders do not consult).
  virtual bool DoProgress(int msgType, const std::string& msgText) = 0;
  virtual void DoObjectCreate(TGlobeObject& object) = 0;
  virtual void DoObjectFree(TGlobeObject& object) = 0;
  // OnRenderAttributes: returns Done, true when the handler has set the
  // canvas itself.
  virtual bool DoRenderAttributes(TGlobeObject& object) = 0;
};

}  // namespace meridex
