// The foot of the main window: the link's status line and the protocol
// trace (its button beside CONNECTION, Ctrl+T).
#include <QFile>
#include <QFont>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "main_window.h"
#include "serial_port_reports.h"
#include "skin_style.h"
#include "skin_text.h"
#include "status_line.h"
#include "style_sheets.h"
#include "trace.h"
#include "trace_window.h"

namespace {

// Beside the CONNECTION caption, in the status strip.
constexpr QRect kTraceButton(136, 690, 64, 30);
constexpr QRect kStatusLine(222, 690, 920, 30);
const QKeySequence kTraceKey(Qt::CTRL | Qt::Key_T);

QString trace_button_style() {
  return QStringLiteral(
             "QPushButton { color: %1; background: transparent; border: none; border-left: 1px solid %2;"
             " padding-left: 10px; text-align: left; }"
             "QPushButton:hover { color: %3; }")
      .arg(vela::css_colour(vela::style::caption_dim), vela::css_colour(vela::style::hairline),
           vela::css_colour(vela::style::accent));
}

std::string file_name(const QString& port) { return QFile::encodeName(port).toStdString(); }

}  // namespace

void MainWindow::create_status_controls() {
  m_trace_button = new QPushButton(QStringLiteral("TRACE"), this);
  m_trace_button->setObjectName(QStringLiteral("trace_button"));
  m_trace_button->setGeometry(kTraceButton);
  QFont caption = vela::skin_font(10, true);
  caption.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
  m_trace_button->setFont(caption);
  m_trace_button->setFlat(true);
  m_trace_button->setAutoDefault(false);
  m_trace_button->setFocusPolicy(Qt::NoFocus);
  m_trace_button->setCursor(Qt::PointingHandCursor);
  m_trace_button->setToolTip(QStringLiteral("Protocol trace (%1)").arg(kTraceKey.toString(QKeySequence::NativeText)));
  m_trace_button->setStyleSheet(trace_button_style());
  connect(m_trace_button, &QAbstractButton::clicked, this, &MainWindow::show_trace);
  auto* key = new QShortcut(kTraceKey, this);
  connect(key, &QShortcut::activated, this, &MainWindow::show_trace);

  m_status_line = new vela::StatusLine(this);
  m_status_line->setGeometry(kStatusLine);
  report_serial_port();
}

void MainWindow::show_trace() {
  if (m_trace_window == nullptr) m_trace_window = new vela::TraceWindow(this, vela::protocol_trace());
  m_trace_window->show();
  m_trace_window->raise();
  m_trace_window->activateWindow();
}

void MainWindow::report_serial_port() {
  m_serial_reports = std::make_unique<vela::SerialPortReports>(m_link.serial_port());
  vela::LinkStatusText& status = m_status_line->text();
  connect(m_serial_reports.get(), &vela::SerialPortReports::serial_opened, this,
          [&status](const QString& port, int baud) { status.serial_opened(file_name(port), baud); });
  connect(m_serial_reports.get(), &vela::SerialPortReports::serial_open_failed, this,
          [&status](const QString& port) { status.serial_open_failed(file_name(port)); });
  connect(m_serial_reports.get(), &vela::SerialPortReports::serial_closed, this,
          [&status](const QString& port) { status.serial_closed(file_name(port)); });
  connect(m_serial_reports.get(), &vela::SerialPortReports::serial_line_lost, this,
          [&status](const QString& port) { status.serial_line_lost(file_name(port)); });
}
