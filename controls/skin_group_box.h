#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "background_snapshot.h"

// The frame that groups controls on a page: a rounded grey line with an
// optional caption set into its top edge. It lets mouse input through to
// whatever lies beneath. Window thread only.
class SkinGroupBox : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRgb frame_rgb = 0xffa8a8a8;    // RGB(168, 168, 168)
  static constexpr QRgb caption_rgb = 0xff808080;  // RGB(128, 128, 128)
  static constexpr QPoint caption_origin{10, 0};

  explicit SkinGroupBox(QWidget* parent = nullptr);

  void set_text(const QString& caption);
  QString text() const { return m_text; }

  bool has_background_snapshot() const { return m_background.valid(); }
  // Where the caption is drawn (and the frame line is kept out of).
  QRect caption_rect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_text;
  vela::BackgroundSnapshot m_background;
};
