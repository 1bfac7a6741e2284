#include "rk2207/show_mode_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin_button.h"
#include "control_id.h"
#include "diagnostics.h"
#include "enter_escape.h"
#include "skin_group_box.h"
#include "page_context.h"
#include "rk2207/show_mode_pictures.h"
#include "rk2207/show_mode_preview.h"
#include "skin.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {

namespace picture = show_mode_picture;

// Keys 1033 and 1034 are two pixels taller in the page's template.
int key_height(int mode) { return mode == 1 || mode == 2 ? 50 : 48; }

}  // namespace

QRect show_mode_key_place(int mode) {
  return QRect(830 + 90 * (mode % 4), 160 + 60 * (mode / 4), 68, key_height(mode));
}

ShowModePage::ShowModePage(const QString& class_name, int template_id, Ids ids, PageContext& context, QWidget* parent)
    : DevicePage(class_name, template_id, context, parent), m_preview(make_show_mode_canvas()) {
  register_show_mode_pictures();
  auto* anchor = new QWidget(this);
  set_control_id(anchor, ids.preview_anchor);
  anchor->setGeometry(QRect(kPreviewPlace.topLeft(), QSize(1, 1)));
  m_preview_place = kPreviewPlace;
  m_group_box = new SkinGroupBox(this);
  set_control_id(m_group_box, ids.group_box);
  m_group_box->setGeometry(kGroupBoxPlace);
  m_group_box->set_text(QStringLiteral("SHOW MODE"));
  for (int m = 0; m < rk2207::kModeButtonCount; ++m) {
    auto* button = new SkinButton(this);
    set_control_id(button, kFirstModeButtonId + m);
    button->setup_skinned(show_mode_key_place(m), picture::normal(m));
    button->setToolTip(QString::fromLatin1(rk2207::show_mode_name(static_cast<std::uint8_t>(m))));
    connect(button, &QAbstractButton::clicked, this, [this, m] { on_mode_button(m); });
    m_mode_buttons[static_cast<std::size_t>(m)] = button;
  }
  m_record_changes = context.record_changes().observe([this](RecordPart part) {
    if (part == RecordPart::ShowMode) follow_record();
  });
}

void ShowModePage::announce_show_mode() { m_context.record_changes().changed(RecordPart::ShowMode); }

void ShowModePage::follow_record() {
  const int shown = shown_mode();
  for (int m = 0; m < rk2207::kModeButtonCount; ++m) show_mode_key(m, m == shown);
  redraw_preview();
}

int ShowModePage::selected_mode_button() const {
  for (int m = 0; m < rk2207::kModeButtonCount; ++m) {
    if (mode_button(m)->shown_bitmap_id() == picture::selected(m)) return m;
  }
  return -1;
}

void ShowModePage::show_mode_key(int mode, bool selected) {
  if (mode < 0 || mode >= rk2207::kModeButtonCount) return;
  mode_button(mode)->set_bitmap(selected ? picture::selected(mode) : picture::normal(mode));
}

void ShowModePage::show_all_keys_unselected() {
  for (int m = 0; m < rk2207::kModeButtonCount; ++m) show_mode_key(m, false);
}

void ShowModePage::redraw_preview() {
  diag("m_rc_kx3318_show_mode_type =  %p  \n", static_cast<const void*>(&m_preview_place));
  // The readout beside the keys names the mode too.
  update();
}

void ShowModePage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), Skin::pixmap(picture::background, size()));
  if (const WindowSlots* windows = window_slots()) paint_show_mode_preview(m_preview, *windows);
  paint_header(p);
  // Composed off-screen, copied in one step.
  p.drawImage(m_preview_place.topLeft(), m_preview);
  p.setPen(style::hairline);
  p.drawRect(QRectF(m_preview_place).adjusted(-0.5, -0.5, 0.5, 0.5));
  paint_mode_readout(p);
  paint_footer(p);
}

void ShowModePage::paint_header(QPainter& p) {
  const QRectF strip(kPreviewPlace.left(), 8, kPreviewPlace.width(), 26);
  paint_label(p, strip, QStringLiteral("OUTPUT PREVIEW"), style::caption_dim, 11);
  paint_label(p, strip, device_caption(), style::accent, 11, Qt::AlignRight | Qt::AlignVCenter);
}

QString ShowModePage::mode_readout() const {
  const int mode = shown_mode();
  const std::string_view name = shown_mode_origin().known()
                                    ? rk2207::show_mode_name(static_cast<std::uint8_t>(std::min(mode, 255)))
                                    : std::string_view{};
  if (name.empty()) return QStringLiteral("\u2014");
  return QStringLiteral("%1  %2").arg(mode).arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QString ShowModePage::mode_origin_text() const {
  return QString::fromStdString(shown_mode_origin().describe()).toUpper();
}

void ShowModePage::paint_mode_readout(QPainter& p) {
  const QRectF caption(kGroupBoxPlace.left() + 30, 58, kGroupBoxPlace.width() - 68, 18);
  paint_label(p, caption, QStringLiteral("CURRENT"), style::caption_faint, 10);
  paint_label(p, caption, mode_origin_text(), style::caption_faint, 10, Qt::AlignRight | Qt::AlignVCenter);
  const QRectF value = caption.translated(0, 22).adjusted(0, 0, 0, 22);
  QFont font = skin_font(20, true);
  p.setFont(font);
  const QString text = mode_readout();
  p.setPen(text == QStringLiteral("\u2014") ? style::caption_dim : style::caption);
  p.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, text);
  paint_groove(p, caption.left(), caption.right(), 132);
}

void ShowModePage::paint_footer(QPainter& p) {
  const QStringList facts = device_facts();
  const QRectF line(kGroupBoxPlace.left() + 30, 420, kGroupBoxPlace.width() - 68, 20);
  paint_groove(p, line.left(), line.right(), 408);
  for (int i = 0; i < facts.size(); ++i) {
    paint_label(p, line.translated(0, 24 * i), facts[i], style::caption_dim, 11);
  }
}

void ShowModePage::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && m_enter_is_silent) {
    event->accept();
    return;
  }
  if (!swallow_enter_escape(event)) DevicePage::keyPressEvent(event);
}

}  // namespace vela
