#pragma once
// The page of the 16- and 10-window multiviewers: the 720 x 480 preview of
// the output picture on the left, the sub-page buttons and the one sub-page
// shown on the right.
#include <QImage>
#include <QRect>
#include <array>

#include "device_page.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "multiviewer/multiviewer_subpages.h"
#include "multiviewer_state.h"
#include "record_changes.h"

class SkinButton;

class MultiviewerPage : public vela::DevicePage, public vela::MultiviewerPreviewHost {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 129;
  static constexpr int kNoSubPage = 255;
  static constexpr QRect kPreviewPlace{5, 40, 720, 480};
  static constexpr QRect kSubPagePlace{750, 105, 490, 420};

  MultiviewerPage(vela::PageContext& context, QWidget* parent);

  // Shows sub-page n (1 to 6); the old one is destroyed first.
  void select_sub_page(int n);
  int shown_sub_page() const { return m_shown_sub_page; }
  QWidget* sub_page() const { return m_sub_page; }
  SkinButton* sub_page_button(int n) const;

  vela::PageContext& preview_context() const override { return context(); }

  QRect preview_rect() const { return m_preview_rect; }
  // The picture composed at the last paint.
  const QImage& preview_image() const { return m_preview; }

  void close_page() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void create_controls();
  // The preview and its header and footer, on the next paint.
  void request_preview_repaint();
  void on_sub_page_button(int n);
  QWidget* create_sub_page(vela::MultiviewerSubPage n);
  void paint_preview_header(QPainter& p);
  void paint_footer(QPainter& p);

  std::array<SkinButton*, vela::kMultiviewerSubPages.size()> m_sub_page_buttons{};
  QWidget* m_sub_page = nullptr;
  int m_shown_sub_page = kNoSubPage;
  QRect m_sub_page_area;
  QRect m_preview_rect;
  QImage m_preview;
  // The preview, its header and footer follow the record.
  vela::RecordChanges::Subscription m_record_changes;
};
