#include "trace_window.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "drop_down_list.h"
#include "operator_message.h"
#include "skin_style.h"
#include "skin_text.h"
#include "style_sheets.h"
#include "trace.h"
#include "trace_fields.h"
#include "trace_table_model.h"

namespace vela {
namespace {

const QString kAll = QStringLiteral("All");
constexpr int kBandHeight = 44;
constexpr int kMargin = 14;
constexpr int kRowHeight = 22;
// Column widths in pixels; the bytes take what is left.
constexpr int kColumnWidths[] = {96, 72, 54, 150, 150, 150, 44};

QString table_style() {
  return QStringLiteral(
             "QTableView { color: %1; background: %2; alternate-background-color: %3; border: 1px solid %4;"
             " gridline-color: %3; selection-background-color: %5; selection-color: %6; }"
             "QHeaderView::section { color: %7; background: %8; border: none; border-bottom: 1px solid %4;"
             " padding: 4px 6px; font-weight: bold; font-size: 10px; }"
             "QTableCornerButton::section { background: %8; border: none; }"
             "QScrollBar:vertical, QScrollBar:horizontal { background: %2; width: 12px; height: 12px; }"
             "QScrollBar::handle { background: %9; border-radius: 4px; min-height: 24px; min-width: 24px; }"
             "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }")
      .arg(css_colour(style::caption_dim), css_colour(style::well), css_colour(style::surface_bottom),
           css_colour(style::outline), css_colour(style::selection), css_colour(style::white),
           css_colour(style::caption_dim), css_colour(style::band), css_colour(style::face_top));
}

QLabel* band_label(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  QFont font = skin_font(10, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: %1;").arg(css_colour(style::caption_dim)));
  return label;
}

DropDownList* filter_list(QWidget* parent) {
  auto* list = new DropDownList(parent);
  list->setMinimumWidth(190);
  list->setMinimumHeight(26);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

// Whether the view shows the last row, so that new rows should stay in sight.
bool at_bottom(const QTableView* table) {
  const QScrollBar* bar = table->verticalScrollBar();
  return bar->value() >= bar->maximum();
}

}  // namespace

TraceWindow::TraceWindow(QWidget* parent, ProtocolTrace& trace) : QDialog(parent), trace_(trace) {
  setObjectName(QStringLiteral("trace_window"));
  setWindowTitle(QStringLiteral("Protocol trace"));
  setWindowFlags(Qt::Window);
  resize(kWidth, kHeight);
  setFont(skin_font(12, false));
  create_controls();
  take_new_records();
  poll_ = new QTimer(this);
  poll_->setInterval(kPollMs);
  connect(poll_, &QTimer::timeout, this, &TraceWindow::take_new_records);
}

void TraceWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  take_new_records();
  poll_->start();
}

void TraceWindow::hideEvent(QHideEvent* event) {
  poll_->stop();
  QDialog::hideEvent(event);
}

void TraceWindow::create_controls() {
  setStyleSheet(drop_down_list_style() + push_button_style() + table_style());
  model_ = new TraceTableModel(this);

  device_list_ = filter_list(this);
  device_list_->setObjectName(QStringLiteral("trace_device_filter"));
  command_list_ = filter_list(this);
  command_list_->setObjectName(QStringLiteral("trace_command_filter"));
  connect(device_list_, &QComboBox::activated, this, &TraceWindow::apply_filters);
  connect(command_list_, &QComboBox::activated, this, &TraceWindow::apply_filters);
  count_ = band_label(this, QString());
  clear_ = new QPushButton(QStringLiteral("CLEAR"), this);
  save_ = new QPushButton(QStringLiteral("SAVE\u2026"), this);
  for (QPushButton* button : {clear_, save_}) button->setAutoDefault(false);
  connect(clear_, &QPushButton::clicked, this, &TraceWindow::clear_records);
  connect(save_, &QPushButton::clicked, this, &TraceWindow::ask_and_save);

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("trace_table"));
  table_->setModel(model_);
  table_->setAlternatingRowColors(true);
  table_->setShowGrid(false);
  table_->setWordWrap(false);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  for (int column = 0; column < static_cast<int>(std::size(kColumnWidths)); ++column) {
    table_->setColumnWidth(column, kColumnWidths[column]);
  }

  auto* band = new QHBoxLayout;
  band->setSpacing(8);
  band->addWidget(band_label(this, QStringLiteral("DEVICE")));
  band->addWidget(device_list_);
  band->addSpacing(12);
  band->addWidget(band_label(this, QStringLiteral("COMMAND")));
  band->addWidget(command_list_);
  band->addStretch(1);
  band->addWidget(count_);
  band->addSpacing(12);
  band->addWidget(clear_);
  band->addWidget(save_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin + kBandHeight, kMargin, kMargin);
  layout->setSpacing(10);
  layout->addLayout(band);
  layout->addWidget(table_, 1);
  refill_filter_lists();
  show_count();
}

void TraceWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), style::surface_bottom);
  const QRectF title_band(0, 0, width(), kBandHeight);
  p.fillRect(title_band, style::band);
  p.fillRect(QRectF(0, kBandHeight - 1, width(), 1), style::hairline);
  paint_label(p, title_band.adjusted(kMargin, 0, 0, 0), QStringLiteral("PROTOCOL TRACE"), style::caption, 12);
  paint_label(p, title_band.adjusted(0, 0, -kMargin, 0), QStringLiteral("FRAMES SENT AND RECEIVED, REPLIES MISSED"),
              style::caption_faint, 10, Qt::AlignRight | Qt::AlignVCenter);
}

void TraceWindow::keyPressEvent(QKeyEvent* event) {
  // Enter must not close the window through a default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
}

void TraceWindow::take_new_records() {
  std::vector<TraceRecord> records = trace_.since(next_);
  if (records.empty()) return;
  next_ = records.back().sequence + 1;
  const bool follow = at_bottom(table_);
  const int devices = model_->devices().size();
  const int commands = model_->commands().size();
  model_->append(std::move(records));
  if (model_->devices().size() != devices || model_->commands().size() != commands) refill_filter_lists();
  show_count();
  if (follow) table_->scrollToBottom();
}

void TraceWindow::refill_filter_lists() {
  const auto refill = [](QComboBox* list, const QStringList& names) {
    const QString chosen = list->currentIndex() > 0 ? list->currentText() : QString();
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItem(kAll);
    QStringList sorted = names;
    sorted.sort();
    list->addItems(sorted);
    list->setCurrentIndex(std::max(0, list->findText(chosen)));
  };
  refill(device_list_, model_->devices());
  refill(command_list_, model_->commands());
}

void TraceWindow::apply_filters() {
  const auto chosen = [](const QComboBox* list) { return list->currentIndex() > 0 ? list->currentText() : QString(); };
  model_->set_filter(chosen(device_list_), chosen(command_list_));
  table_->scrollToBottom();
  show_count();
}

void TraceWindow::set_device_filter(const QString& device) {
  device_list_->setCurrentIndex(std::max(0, device_list_->findText(device)));
  apply_filters();
}

void TraceWindow::set_command_filter(const QString& command) {
  command_list_->setCurrentIndex(std::max(0, command_list_->findText(command)));
  apply_filters();
}

void TraceWindow::show_count() {
  count_->setText(QStringLiteral("%1 RECORDS").arg(model_->rowCount()));
  save_->setEnabled(model_->rowCount() > 0);
}

void TraceWindow::clear_records() {
  model_->clear();
  refill_filter_lists();
  apply_filters();
}

bool TraceWindow::save_to(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  for (int row = 0; row < model_->rowCount(); ++row) {
    const std::string line = trace_json_line(model_->record_at(row)) + "\n";
    if (file.write(line.data(), static_cast<qint64>(line.size())) != static_cast<qint64>(line.size())) return false;
  }
  return true;
}

void TraceWindow::ask_and_save() {
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Save the trace"), QStringLiteral("vela-trace.jsonl"),
                                   QStringLiteral("JSON lines (*.jsonl);;All files (*)"));
  if (!path.isEmpty() && !save_to(path)) show_operator_message("Cannot write " + QFile::encodeName(path).toStdString());
}

}  // namespace vela
