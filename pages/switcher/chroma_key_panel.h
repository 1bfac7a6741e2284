#pragma once
// The chroma key sub-page: the key's video source, its key colour (blue or
// green, each remembering its own red, green and blue) and those values.
// It opens on the key colour the record keeps, showing that colour's preset.
#include "switcher/switcher_keyer_sub_page.h"

class QComboBox;

class ChromaKeyPanel : public vela::SwitcherKeyerSubPage {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 307;

  ChromaKeyPanel(vela::PageContext& context, QWidget* parent);

  QComboBox* type_list() const { return m_type_list; }

 private:
  void on_type_chosen(int type);
  void on_released(int channel, int position) override;
  void show_type_colours(int type);

  QComboBox* m_type_list = nullptr;
};
