#pragma once
// What both sub-pages of the matrix page share: a background picture
// stretched over them, the group box at (5, 5), 480 x 410, the field
// colours, the separator lines they paint, and the key rule (Enter and
// Escape never reach a control).
#include <QLine>
#include <QWidget>
#include <vector>

class MatrixPage;
class SkinGroupBox;

namespace vela {

class PageContext;

class MatrixSubPageBase : public QWidget {
  Q_OBJECT
 public:
  MatrixSubPageBase(MatrixPage* page, int template_id, int background_bitmap, int group_box_id);

  int template_id() const { return template_id_; }
  SkinGroupBox* group_box() const { return group_box_; }

 protected:
  MatrixPage* page() const { return page_; }
  // The page's context: the link and the device records.
  PageContext& m_context;
  void set_separator_lines(std::vector<QLine> lines) { separators_ = std::move(lines); }

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  MatrixPage* page_;
  int template_id_;
  int background_bitmap_;
  SkinGroupBox* group_box_;
  std::vector<QLine> separators_;
};

}  // namespace vela
