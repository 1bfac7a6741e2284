#include "trace_table_model.h"

#include <QColor>
#include <QFontDatabase>

#include "skin_style.h"
#include "trace_fields.h"

namespace vela {
namespace {

QString words(const std::string& text) { return QString::fromStdString(text); }

void add_once(QStringList& list, const QString& name) {
  if (!name.isEmpty() && !list.contains(name)) list.append(name);
}

}  // namespace

TraceTableModel::TraceTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int TraceTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int TraceTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TraceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole) {
    return section == Length ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  static const char* const kTitles[ColumnCount] = {"TIME", "DIR", "LINK", "PEER", "DEVICE", "COMMAND", "LEN", "BYTES"};
  return QString::fromLatin1(kTitles[section]);
}

QVariant TraceTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const TraceRecord& record = record_at(index.row());
  if (role == Qt::ForegroundRole) {
    if (record.direction == TraceDirection::NoReply) return style::lamp_red;
    if (index.column() == Direction)
      return record.direction == TraceDirection::Sent ? style::accent : style::lamp_green;
    return index.column() == Command || index.column() == Device ? style::caption : style::caption_dim;
  }
  if (role == Qt::TextAlignmentRole) {
    return index.column() == Length ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (role == Qt::FontRole && index.column() == Content && record.direction != TraceDirection::NoReply) {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
  }
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (static_cast<Column>(index.column())) {
    case Time:
      return words(trace_clock_time(record));
    case Direction:
      return QString::fromLatin1(trace_direction_text(record.direction));
    case Carrier:
      return QString::fromLatin1(trace_carrier_text(record.carrier));
    case Peer:
      return words(trace_peer_text(record));
    case Device:
      return words(trace_device_text(record));
    case Command:
      return words(trace_command_text(record));
    case Length:
      return record.direction == TraceDirection::NoReply ? QString() : QString::number(record.bytes.size());
    case Content:
      return words(trace_content_text(record));
    case ColumnCount:
      break;
  }
  return {};
}

bool TraceTableModel::passes(const TraceRecord& record) const {
  if (!device_filter_.isEmpty() && words(trace_device_text(record)) != device_filter_) return false;
  return command_filter_.isEmpty() || words(trace_command_text(record)) == command_filter_;
}

void TraceTableModel::note_names(const TraceRecord& record) {
  add_once(devices_, words(trace_device_text(record)));
  add_once(commands_, words(trace_command_text(record)));
}

void TraceTableModel::append(std::vector<TraceRecord> records) {
  if (records.empty()) return;
  if (records_.size() + records.size() > static_cast<std::size_t>(kMaxRecords)) {
    // Dropping from the front moves every row: tell the view all at once.
    beginResetModel();
    records_.insert(records_.end(), std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
    const std::size_t excess = records_.size() > kMaxRecords ? records_.size() - kMaxRecords : 0;
    records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(excess));
    for (const TraceRecord& record : records_) note_names(record);
    rebuild_shown();
    endResetModel();
    return;
  }
  std::vector<std::size_t> added;
  for (TraceRecord& record : records) {
    note_names(record);
    if (passes(record)) added.push_back(records_.size());
    records_.push_back(std::move(record));
  }
  if (added.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
  shown_.insert(shown_.end(), added.begin(), added.end());
  endInsertRows();
}

void TraceTableModel::clear() {
  beginResetModel();
  records_.clear();
  shown_.clear();
  devices_.clear();
  commands_.clear();
  endResetModel();
}

void TraceTableModel::set_filter(const QString& device, const QString& command) {
  beginResetModel();
  device_filter_ = device;
  command_filter_ = command;
  rebuild_shown();
  endResetModel();
}

void TraceTableModel::rebuild_shown() {
  shown_.clear();
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (passes(records_[i])) shown_.push_back(i);
  }
}

}  // namespace vela
