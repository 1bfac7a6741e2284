#pragma once
// The page of the RK2207 show-mode device: it reads the device's state when
// it opens and sends each show mode the operator picks, over the network
// whatever the connection mode.
#include "rk2207/show_mode_page.h"

class Rk2207Page : public vela::ShowModePage {
  Q_OBJECT
 public:
  QStringList device_facts() const override;
  static constexpr int kTemplateId = 308;
  static constexpr int kPreviewAnchorId = 1185;
  static constexpr int kGroupBoxId = 1188;

  Rk2207Page(vela::PageContext& context, QWidget* parent);

  // From a mode key or from the state reply.
  void apply_show_mode(std::uint8_t mode);
  bool suppress_send() const { return m_suppress_send; }

 protected:
  void on_mode_button(int mode) override;
  const vela::WindowSlots* window_slots() const override;
  int shown_mode() const override;
  const vela::Provenance& shown_mode_origin() const override;
  QString device_caption() const override;

 private:
  void read_back();

  // Set while the device's own show mode is applied, so it is not sent back.
  bool m_suppress_send = false;
};
