#pragma once
// What the switcher's two modeless dialogs share: a window of 320 x 550 with
// a caption and a close box, the dark surface and field colours. The close
// box, Enter and Escape only hide it; its contents stay as they were.
#include <QDialog>

namespace vela {

class PageContext;

class SwitcherDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr QSize kSize{320, 550};

  SwitcherDialog(PageContext& context, QWidget* parent, const QString& title, int template_id);

  int template_id() const { return template_id_; }

 protected:
  // The page's context: the link and the device records.
  PageContext& m_context;

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int template_id_;
};

}  // namespace vela
