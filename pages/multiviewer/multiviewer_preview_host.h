#pragma once
// What the multiviewer's sub-pages see of the page that holds them: the
// context it works on and the preview they ask it to recompute or repaint.
// The page is the one host; the sub-pages know no more of it, so the page
// can make them without the two depending on each other.
namespace vela {

class PageContext;

class MultiviewerPreviewHost {
 public:
  virtual PageContext& preview_context() const = 0;

  // The recomputations of the preview; each asks for a repaint.
  virtual void recompute_window_geometry() = 0;
  virtual void recompute_meter_boxes() = 0;
  virtual void recompute_label_boxes() = 0;
  virtual void recompute_resolution_boxes() = 0;
  virtual void recompute_preview() = 0;
  virtual void request_preview_repaint() = 0;
  // The whole page, preview and sub-page area.
  virtual void repaint_page() = 0;

 protected:
  ~MultiviewerPreviewHost() = default;
};

}  // namespace vela
