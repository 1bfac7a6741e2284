#pragma once
// What the multiviewer's sub-pages see of the page that holds them: the
// context it works on. The preview follows the record's notices, so a
// sub-page never asks for a recomputation or a repaint.
// The page is the one host; the sub-pages know no more of it, so the page
// can make them without the two depending on each other.
namespace vela {

class PageContext;

class MultiviewerPreviewHost {
 public:
  virtual PageContext& preview_context() const = 0;

 protected:
  ~MultiviewerPreviewHost() = default;
};

}  // namespace vela
