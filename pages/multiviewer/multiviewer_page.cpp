#include "multiviewer/multiviewer_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin_button.h"
#include "control_id.h"
#include "diagnostics.h"
#include "enter_escape.h"
#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer/multiviewer_audio_tab.h"
#include "multiviewer/multiviewer_colours_tab.h"
#include "multiviewer/multiviewer_settings_tab.h"
#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer/multiviewer_labels_tab.h"
#include "multiviewer/multiviewer_bitmaps.h"
#include "multiviewer/multiviewer_preview_captions.h"
#include "multiviewer/multiviewer_preview_painter.h"
#include "multiviewer_preview.h"
#include "page_context.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"

namespace {

namespace mv = vela::multiviewer;
using vela::MultiviewerSubPage;

constexpr int kSubPageAreaId = 1024;
constexpr int kPreviewAnchorId = 1069;
constexpr int kSecondAnchorId = 1017;

const vela::MultiviewerSubPageInfo* info_of(int n) {
  for (const auto& info : vela::kMultiviewerSubPages) {
    if (static_cast<int>(info.number) == n) return &info;
  }
  return nullptr;
}

}  // namespace

MultiviewerPage::MultiviewerPage(vela::PageContext& context, QWidget* parent)
    : vela::DevicePage(QStringLiteral("MultiviewerPage"), kTemplateId, context, parent),
      m_preview(vela::make_preview_image()) {
  vela::register_multiviewer_bitmaps();
  m_record_changes = context.record_changes().observe([this](vela::RecordPart part) {
    if (part == vela::RecordPart::MultiviewerSettings || part == vela::RecordPart::MultiviewerStatus ||
        part == vela::RecordPart::MultiviewerLabels) {
      request_preview_repaint();
    }
  });
  create_controls();
  select_sub_page(static_cast<int>(MultiviewerSubPage::Status));
}

void MultiviewerPage::create_controls() {
  for (std::size_t i = 0; i < vela::kMultiviewerSubPages.size(); ++i) {
    const vela::MultiviewerSubPageInfo& info = vela::kMultiviewerSubPages[i];
    auto* button = new SkinButton(this);
    vela::set_control_id(button, info.button_id);
    button->setup_skinned(info.place, info.normal_bitmap);
    button->setToolTip(QString::fromLatin1(info.caption));
    button->setVisible(info.visible);
    const int n = static_cast<int>(info.number);
    connect(button, &QAbstractButton::clicked, this, [this, n] { on_sub_page_button(n); });
    m_sub_page_buttons[i] = button;
  }
  auto* area = new QWidget(this);
  vela::set_control_id(area, kSubPageAreaId);
  area->setGeometry(kSubPagePlace);
  area->setAttribute(Qt::WA_TransparentForMouseEvents);
  m_sub_page_area = area->geometry();
  for (const int id : {kSecondAnchorId, kPreviewAnchorId}) {
    auto* anchor = new QWidget(this);
    vela::set_control_id(anchor, id);
    anchor->setGeometry(QRect(kPreviewPlace.topLeft(), QSize(1, 1)));
  }
  m_preview_rect = kPreviewPlace;
}

SkinButton* MultiviewerPage::sub_page_button(int n) const {
  for (std::size_t i = 0; i < vela::kMultiviewerSubPages.size(); ++i) {
    if (static_cast<int>(vela::kMultiviewerSubPages[i].number) == n) return m_sub_page_buttons[i];
  }
  return nullptr;
}

void MultiviewerPage::on_sub_page_button(int n) { select_sub_page(n); }

void MultiviewerPage::select_sub_page(int n) {
  const vela::MultiviewerSubPageInfo* info = info_of(n);
  if (info == nullptr || n == m_shown_sub_page) return;
  if (const vela::MultiviewerSubPageInfo* shown = info_of(m_shown_sub_page)) {
    sub_page_button(m_shown_sub_page)->set_bitmap(shown->normal_bitmap);
  }
  if (m_sub_page != nullptr) {
    m_sub_page->hide();
    delete m_sub_page;
    m_sub_page = nullptr;
  }
  // Remembered before the new sub-page opens: its opening may read the
  // device and paint, and must see itself as the one shown.
  m_shown_sub_page = n;
  sub_page_button(n)->set_bitmap(info->selected_bitmap);
  m_sub_page = create_sub_page(info->number);
  m_sub_page->setGeometry(m_sub_page_area);
  m_sub_page->show();
}

QWidget* MultiviewerPage::create_sub_page(MultiviewerSubPage n) {
  switch (n) {
    case MultiviewerSubPage::Status:
      return new MultiviewerStatusTab(*this, this);
    case MultiviewerSubPage::Control:
      return new MultiviewerLayoutTab(*this, this);
    case MultiviewerSubPage::Umd:
      return new MultiviewerLabelsTab(*this, this);
    case MultiviewerSubPage::Audio:
      return new MultiviewerAudioTab(*this, this);
    case MultiviewerSubPage::Color:
      return new MultiviewerColoursTab(*this, this);
    case MultiviewerSubPage::Setting:
      return new MultiviewerSettingsTab(*this, this);
  }
  return nullptr;
}

void MultiviewerPage::close_page() {
  delete m_sub_page;
  m_sub_page = nullptr;
}

void MultiviewerPage::request_preview_repaint() { update(m_preview_rect.adjusted(0, -40, 0, 60)); }

void MultiviewerPage::paintEvent(QPaintEvent*) {
  vela::diag("on paint \n");
  QPainter p(this);
  p.fillRect(rect(), vela::style::well);
  vela::paint_multiviewer_preview(m_preview, m_context.multiviewer());
  paint_preview_header(p);
  paint_footer(p);
  // Composed off-screen, copied in one step: never a half-drawn layout.
  p.drawImage(m_preview_rect.topLeft(), m_preview);
  p.setPen(vela::style::hairline);
  p.drawRect(QRectF(m_preview_rect).adjusted(-0.5, -0.5, 0.5, 0.5));
  vela::paint_well(p, QRectF(m_sub_page_area).adjusted(-3, -3, 0, 3), 4);
}

void MultiviewerPage::paint_preview_header(QPainter& p) {
  const QRectF strip(m_preview_rect.left(), 8, m_preview_rect.width(), 26);
  vela::paint_label(p, strip, QStringLiteral("OUTPUT PREVIEW"), vela::style::caption_dim, 11);
  const vela::MultiviewerState& state = m_context.multiviewer();
  vela::paint_label(p, strip, vela::preview_header_facts(state),
                    state.settings_origin.known() ? vela::style::accent : vela::style::caption_faint, 11,
                    Qt::AlignRight | Qt::AlignVCenter);
}

void MultiviewerPage::paint_footer(QPainter& p) {
  const QRectF strip(m_preview_rect.left(), m_preview_rect.bottom() + 12, m_preview_rect.width(), 24);
  const vela::DeviceEntry* device = m_context.m_link.current_device();
  QString where = device ? QString::fromStdString(device->address_text()) : QString();
  if (m_context.m_link.connection_mode() == vela::connection_mode::kSerial) where = QStringLiteral("SERIAL");
  vela::paint_label(p, strip,
                    QStringLiteral("%1-WINDOW MULTIVIEWER   \u00b7   %2").arg(m_context.m_model_window_count).arg(where),
                    vela::style::caption_dim, 11);
  // What the last status poll reported, beside the settings that matter
  // on air.
  const vela::MultiviewerState& state = m_context.multiviewer();
  vela::paint_label(p, strip, vela::preview_footer_facts(state, m_context.m_model_window_count),
                    vela::preview_facts_known(state) ? vela::style::caption_dim : vela::style::caption_faint, 11,
                    Qt::AlignRight | Qt::AlignVCenter);
}

void MultiviewerPage::keyPressEvent(QKeyEvent* event) {
  if (!vela::swallow_enter_escape(event)) vela::DevicePage::keyPressEvent(event);
}
