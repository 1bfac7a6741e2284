#pragma once
// What the switcher's settings sub-pages share: the size of the page's
// settings area, the group frame at (5, 5), 240 x 390, the dark surface and
// field colours, and the key rule (Enter and Escape never close a sub-page).
#include <QWidget>

class SkinGroupBox;

namespace vela {

class PageContext;

class SwitcherSettingsSubPage : public QWidget {
  Q_OBJECT
 public:
  static constexpr QSize kSize{250, 400};

  SwitcherSettingsSubPage(PageContext& context, QWidget* parent, int template_id, int group_box_id);

  int template_id() const { return template_id_; }
  SkinGroupBox* group_box() const { return group_box_; }

 protected:
  // The page's context: the link and the device records.
  PageContext& m_context;

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int template_id_;
  SkinGroupBox* group_box_;
};

}  // namespace vela
