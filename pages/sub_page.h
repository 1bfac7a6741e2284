#pragma once
// What every sub-page shares, whichever page holds it: its context and
// template id, its group box at (5, 5), the surface or a background picture
// stretched over it, the separator lines and headings it paints, and the key
// rule (Enter and Escape never reach a control).
#include <QLine>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class SkinGroupBox;

namespace vela {

class PageContext;

class SubPage : public QWidget {
  Q_OBJECT
 public:
  int template_id() const { return m_template_id; }
  SkinGroupBox* group_box() const { return m_group_box; }

 protected:
  // A sub-page shown in `parent`, its captions and fields styled by
  // `style_sheet`, its group box `group_box_id` of `group_box_size`.
  SubPage(PageContext& context, QWidget* parent, int template_id, int group_box_id, QSize group_box_size,
          const QString& style_sheet);

  // The page's context: the link and the device records.
  PageContext& m_context;

  // How a family draws its separators: a thin line or a groove.
  enum class SeparatorLook { Hairline, Groove };
  void set_separator_look(SeparatorLook look) { m_separator_look = look; }
  // Lines painted on every paint, in the sub-page's pixels.
  void set_separator_lines(std::vector<QLine> lines) { m_separators = std::move(lines); }
  // Section titles painted on every paint, each with its text's baseline
  // starting at its point.
  struct Heading {
    QPoint at;
    QString text;
  };
  void set_headings(std::vector<Heading> headings) { m_headings = std::move(headings); }
  // A picture stretched over the whole sub-page in place of the surface.
  void set_background_bitmap(int bitmap_id) { m_background_bitmap = bitmap_id; }

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int m_template_id;
  SkinGroupBox* m_group_box;
  std::optional<int> m_background_bitmap;
  SeparatorLook m_separator_look = SeparatorLook::Hairline;
  std::vector<QLine> m_separators;
  std::vector<Heading> m_headings;
};

}  // namespace vela
