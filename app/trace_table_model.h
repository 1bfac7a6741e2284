#pragma once
// The trace window's table: the records taken from the protocol trace, in
// the order they happened, filtered by device and by command. Cells are put
// into words only when the view asks for them.
#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

#include "trace.h"

namespace vela {

class TraceTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Time, Direction, Carrier, Peer, Device, Command, Length, Content, ColumnCount };
  // Beyond this many records the oldest go.
  static constexpr int kMaxRecords = 20000;

  explicit TraceTableModel(QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void append(std::vector<TraceRecord> records);
  void clear();

  // Filters: a device as trace_device_text() names it, a command as
  // trace_command_text() does; empty shows all.
  void set_filter(const QString& device, const QString& command);
  // Every device and command among the records, for the filter lists.
  const QStringList& devices() const { return devices_; }
  const QStringList& commands() const { return commands_; }

  const TraceRecord& record_at(int row) const { return records_[shown_[static_cast<std::size_t>(row)]]; }

 private:
  bool passes(const TraceRecord& record) const;
  void note_names(const TraceRecord& record);
  void rebuild_shown();

  std::vector<TraceRecord> records_;
  std::vector<std::size_t> shown_;  // indices into records_
  QString device_filter_;
  QString command_filter_;
  QStringList devices_;
  QStringList commands_;
};

}  // namespace vela
