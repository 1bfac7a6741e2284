#pragma once
// The protocol trace shown live: a table of every frame sent and received
// and every reply that did not come, newest at the bottom, following the
// newest unless the operator scrolled up; filters by device and command;
// saving what is shown as JSON lines. A tool window of the main window.
#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace vela {

class ProtocolTrace;
class TraceTableModel;

class TraceWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 1060;
  static constexpr int kHeight = 600;
  static constexpr int kPollMs = 150;

  // Shows the records from now on (plus what the trace already holds).
  TraceWindow(QWidget* parent, ProtocolTrace& trace);

  // Takes the records recorded since the last call (the timer calls it).
  void take_new_records();
  // Writes the records shown (filters applied) as JSON lines.
  bool save_to(const QString& path) const;
  void set_device_filter(const QString& device);
  void set_command_filter(const QString& command);

  TraceTableModel* model() const { return model_; }
  QTableView* table() const { return table_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The trace is only taken while the window shows it.
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void create_controls();
  void refill_filter_lists();
  void apply_filters();
  void ask_and_save();
  void clear_records();
  void show_count();

  ProtocolTrace& trace_;
  std::uint64_t next_ = 0;
  TraceTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QComboBox* device_list_ = nullptr;
  QComboBox* command_list_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* save_ = nullptr;
  QTimer* poll_ = nullptr;
};

}  // namespace vela
