#pragma once
// What the RK2207 and LM5530 pages share: sixteen show-mode keys in a
// framed group on the right, the 720 x 480 preview of the output picture
// on the left, the page background, and no closing by keyboard.
#include <QImage>
#include <QRect>
#include <QStringList>
#include <array>
#include <cstdint>

#include "device_page.h"
#include "provenance.h"
#include "record_changes.h"
#include "rk2207_show_modes.h"

class SkinButton;
class SkinGroupBox;

namespace vela {

class ShowModePage : public DevicePage {
  Q_OBJECT
 public:
  static constexpr int kFirstModeButtonId = 1032;
  static constexpr QRect kPreviewPlace{5, 40, rk2207::kCanvasWidth, rk2207::kCanvasHeight};
  static constexpr QRect kGroupBoxPlace{800, 30, 400, 500};

  struct Ids {
    int preview_anchor;
    int group_box;
  };

  SkinButton* mode_button(int mode) const { return m_mode_buttons[static_cast<std::size_t>(mode)]; }
  // The mode whose key shows its selected picture, or -1 for none.
  int selected_mode_button() const;
  // The canvas composed at the last paint.
  const QImage& preview_image() const { return m_preview; }
  // The readout beside the keys: "5  QUAD", or a dash while the mode is
  // not known; the line above it says where the mode came from.
  QString mode_readout() const;
  QString mode_origin_text() const;
  // The device's reported facts under the keys ("OUTPUT   1080P60", ...).
  virtual QStringList device_facts() const = 0;

 protected:
  ShowModePage(const QString& class_name, int template_id, Ids ids, PageContext& context, QWidget* parent);

  // Gives key `mode` its selected or unselected picture; modes without a
  // key (16 and above) have nothing to show.
  void show_mode_key(int mode, bool selected);
  void show_all_keys_unselected();
  // The page's record changed its show mode or slots: the keys and the
  // preview follow the notice.
  void announce_show_mode();

  virtual void on_mode_button(int mode) = 0;
  // The windows the preview draws now, and the mode they belong to.
  virtual const WindowSlots* window_slots() const = 0;
  virtual int shown_mode() const = 0;
  // Where the shown mode came from; a mode not known reads as a dash.
  virtual const Provenance& shown_mode_origin() const = 0;
  // The device's name for the captions ("RK2207") and its reported facts.
  virtual QString device_caption() const = 0;

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  QRect m_preview_place;
  // Enter is swallowed without the console line Escape writes.
  bool m_enter_is_silent = false;

 private:
  void paint_header(QPainter& p);
  void paint_mode_readout(QPainter& p);
  void paint_footer(QPainter& p);
  // The key of the shown mode selected, every other one not; then the
  // console line of the preview rectangle and a repaint of the preview.
  void follow_record();
  void redraw_preview();

  std::array<SkinButton*, rk2207::kModeButtonCount> m_mode_buttons{};
  SkinGroupBox* m_group_box = nullptr;
  QImage m_preview;
  RecordChanges::Subscription m_record_changes;
};

// The place of mode key m within the page.
QRect show_mode_key_place(int mode);

}  // namespace vela
