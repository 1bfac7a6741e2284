#include "main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QPainter>
#include <QWindow>

#include "about_dialog.h"
#include "skin_button.h"
#include "control_id.h"
#include "drop_down_list.h"
#include "device_network_note.h"
#include "device_page.h"
#include "diagnostics.h"
#include "enter_escape.h"
#include "heap_tidy.h"
#include "live_wait.h"
#include "connection_dialog.h"
#include "serial_port_reports.h"
#include "skin.h"
#include "skin_style.h"
#include "skin/shell_bitmaps.h"
#include "style_sheets.h"

namespace {

struct ButtonPlace {
  int id;
  int x, y, width, height;
  int bitmap;
};

namespace bitmap = vela::shell_bitmap;
constexpr ButtonPlace kMinButton{1000, 1150, 0, 47, 35, bitmap::min_button};
constexpr ButtonPlace kMaxButton{1001, 1200, 0, 34, 35, bitmap::max_button};
constexpr ButtonPlace kCloseButton{1002, 1236, 0, 42, 35, bitmap::close_button};
constexpr ButtonPlace kScanButton{1005, 560, 55, 138, 50, bitmap::scan_button};
constexpr ButtonPlace kSetButton{1006, 2, 690, 25, 30, bitmap::set_button};
constexpr QPoint kVersionTextAt{1160, 690};

SkinButton* place_button(QWidget* parent, const ButtonPlace& place, const char* template_caption) {
  auto* button = new SkinButton(parent);
  button->setText(QString());
  button->setToolTip(QString::fromLatin1(template_caption));
  vela::set_control_id(button, place.id);
  button->setup_skinned(QRect(place.x, place.y, place.width, place.height), place.bitmap);
  return button;
}

// Statics: black on RGB(102, 102, 102); the device list a little larger.
const char kShellStyle[] =
    "QComboBox { font-size: 15px; padding: 2px 10px; }"
    "MainWindow > QLabel { color: black; background: rgb(102,102,102); }";

}  // namespace

MainWindow::MainWindow(const vela::PanelOptions& options, QWidget* parent)
    : QDialog(parent), vela::PageContext(options.link) {
  m_extra_serial_ports = options.extra_serial_ports;
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  // The window's default text colour, used by the version text.
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, vela::style::caption_dim);
  setPalette(colours);
}

MainWindow::~MainWindow() {
  // The page and the dialog go before the context they point at; the
  // page's senders end before the socket they send on closes.
  close_command_socket();
  delete m_device_page;
  m_device_page = nullptr;
  delete m_connection_dialog;
  m_connection_dialog = nullptr;
  m_link.serial_port().close();
}

void MainWindow::initialise() {
  vela::register_shell_bitmaps();
  const QIcon icon(vela::Skin::pixmap(bitmap::program_icon));
  setWindowIcon(icon);
  setGeometry(0, 0, kWidth, kHeight);
  setFixedSize(kWidth, kHeight);
  setWindowTitle(QStringLiteral("vela_multiview"));
  const QRect client = rect();
  vela::diag("L = %d \n", client.left());
  vela::diag("T = %d \n", client.top());
  vela::diag("R = %d \n", client.left() + client.width());
  vela::diag("B = %d \n", client.top() + client.height());
  vela::diag("W = %d \n", client.width());
  vela::diag("H = %d \n", client.height());
  create_controls();
  m_page_area = m_page_frame->geometry();
}

void MainWindow::create_controls() {
  setStyleSheet(vela::drop_down_list_style() + QString::fromLatin1(kShellStyle));
  m_min_button = place_button(this, kMinButton, "min");
  m_max_button = place_button(this, kMaxButton, "max");
  m_close_button = place_button(this, kCloseButton, "close");
  m_scan_button = place_button(this, kScanButton, "scan");
  m_set_button = place_button(this, kSetButton, "set");
  connect(m_min_button, &QAbstractButton::clicked, this, &QWidget::showMinimized);
  connect(m_close_button, &QAbstractButton::clicked, this, &QDialog::accept);
  connect(m_scan_button, &QAbstractButton::clicked, this, &MainWindow::on_scan);
  connect(m_set_button, &QAbstractButton::clicked, this, &MainWindow::show_configure);

  // Operators click the word as often as the gear beside it.
  m_connection_caption = new QPushButton(this);
  m_connection_caption->setObjectName(QStringLiteral("connection_caption"));
  m_connection_caption->setGeometry(vela::shell_layout::connection_caption);
  m_connection_caption->setFlat(true);
  m_connection_caption->setAutoDefault(false);
  m_connection_caption->setFocusPolicy(Qt::NoFocus);
  m_connection_caption->setCursor(Qt::PointingHandCursor);
  m_connection_caption->setToolTip(QStringLiteral("Connection settings"));
  m_connection_caption->setStyleSheet(QStringLiteral("QPushButton { background: transparent; border: none; }"));
  connect(m_connection_caption, &QAbstractButton::clicked, this, &MainWindow::show_configure);

  m_device_list = new DropDownList(this);
  vela::set_control_id(m_device_list, 1007);
  m_device_list->setPlaceholderText(QStringLiteral("Press SCAN to find devices"));
  m_device_list->setGeometry(vela::shell_layout::device_list);
  connect(m_device_list, &QComboBox::activated, this, &MainWindow::on_device_list_choice);

  m_network_note = new vela::DeviceNetworkNote(this);
  m_network_note->setGeometry(vela::shell_layout::network_note);
  create_wait_display();
  m_heap_tidy = new vela::HeapTidy(this);

  m_page_frame = new QLabel(this);
  vela::set_control_id(m_page_frame, 1004);
  m_page_frame->setGeometry(vela::shell_layout::page_area);
  m_page_frame->hide();

  create_status_controls();

  m_version_static = new QLabel(QStringLiteral("ver 1.0.0.2"), this);
  vela::set_control_id(m_version_static, 1008);
  m_version_static->hide();
}

void MainWindow::on_device_list_choice(int index) {
  // The line "No Device Found" stands for none: the link chooses no device
  // for it rather than open a page for an empty table entry.
  m_link.choose_device(index);
  select_device();
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(rect(), vela::Skin::pixmap(bitmap::main_background, size()));
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetrics metrics(font());
  painter.drawText(kVersionTextAt + QPoint(0, metrics.ascent()), QString::fromLatin1(kVersionText));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
  // Dragging the background moves the window, as its caption would.
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  m_dragging = true;
  m_drag_offset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (m_dragging) move(event->globalPosition().toPoint() - m_drag_offset);
}

void MainWindow::mouseReleaseEvent(QMouseEvent*) { m_dragging = false; }

void MainWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  vela::diag("cx = %d ,cy = %d \n", width(), height());
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  // A frameless window has no system menu: the about box is offered here.
  if (childAt(event->pos()) != nullptr) return;
  QMenu menu(this);
  menu.addSeparator();
  menu.addAction(QString::fromUtf8("关于 VELA_16_VIEW(&A)..."), this, &MainWindow::show_about_box);
  menu.exec(event->globalPos());
}

void MainWindow::show_about_box() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (!vela::swallow_enter_escape(event)) QDialog::keyPressEvent(event);
}

void MainWindow::reject() {
  // The window never closes by keyboard; Escape is swallowed before this.
}
