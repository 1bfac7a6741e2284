#pragma once
// What every multiviewer sub-page shares: its group box at (5, 5), 480 x 410,
// the field colours, the separator lines it paints, and the key rule (Enter
// and Escape never reach a control; the label page gives Enter a meaning).
#include <QLine>
#include <QString>
#include <QWidget>
#include <vector>

class SkinGroupBox;

namespace vela {

class PageContext;
class MultiviewerPreviewHost;

class MultiviewerSubPageBase : public QWidget {
  Q_OBJECT
 public:
  // A sub-page of `container`'s preview, shown in `parent` (the page).
  MultiviewerSubPageBase(MultiviewerPreviewHost& container, QWidget* parent, int template_id, int group_box_id);

  int template_id() const { return template_id_; }
  SkinGroupBox* group_box() const { return group_box_; }

 protected:
  MultiviewerPreviewHost* container() const { return container_; }
  // The page's context: the link and the device records.
  PageContext& m_context;
  // Lines painted on every paint, in the page's client pixels.
  void set_separator_lines(std::vector<QLine> lines) { separators_ = std::move(lines); }
  // Section titles painted on every paint, each with its text's baseline
  // starting at its point.
  struct Heading {
    QPoint at;
    QString text;
  };
  void set_headings(std::vector<Heading> headings) { headings_ = std::move(headings); }

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  MultiviewerPreviewHost* container_;
  int template_id_;
  SkinGroupBox* group_box_;
  std::vector<QLine> separators_;
  std::vector<Heading> headings_;
};

}  // namespace vela
