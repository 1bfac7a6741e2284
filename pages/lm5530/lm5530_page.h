#pragma once
// The page of the LM5530 show-mode device, also the serial line's default
// page. It never reads the device: it opens in the quad split and sends each
// show mode the operator picks over the connection mode's carrier.
#include "rk2207/show_mode_page.h"

class Lm5530Page : public vela::ShowModePage {
  Q_OBJECT
 public:
  QStringList device_facts() const override;
  static constexpr int kTemplateId = 377;
  static constexpr int kPreviewAnchorId = 1205;
  static constexpr int kGroupBoxId = 1206;

  Lm5530Page(vela::PageContext& context, QWidget* parent);

  void choose_show_mode(std::uint8_t mode);

 protected:
  void on_mode_button(int mode) override;
  const vela::WindowSlots* window_slots() const override;
  int shown_mode() const override;
  const vela::Provenance& shown_mode_origin() const override;
  QString device_caption() const override;
};
