#pragma once
// Which network the current device answered on, in the shell's top bar; for a
// device whose address lies in none of this computer's networks, a warning in
// words with the remedy. The device list keeps the same per line (tooltip,
// warning icon), filled by the network search.
#include <QIcon>
#include <QWidget>

class QComboBox;

namespace vela {

struct DiscoveredDevice;

// Item data of a device list line filled by the network search.
inline constexpr int kOutsideNetworksRole = Qt::UserRole + 40;  // bool
inline constexpr int kNetworkHeadlineRole = Qt::UserRole + 41;  // QString
inline constexpr int kNetworkBodyRole = Qt::UserRole + 42;      // QString

// Marks list line `index` with the network `device` answered on.
void describe_device_network(QComboBox* list, int index, const DiscoveredDevice& device);

// The amber warning sign of a device outside every local network.
QIcon outside_networks_icon();

class DeviceNetworkNote : public QWidget {
  Q_OBJECT
 public:
  explicit DeviceNetworkNote(QWidget* parent);

  // Shows what line `index` of `list` carries; hidden for a line without it
  // (serial search, "No Device Found", no selection).
  void show_for(const QComboBox* list, int index);

  bool warns() const { return m_warns; }
  const QString& headline() const { return m_headline; }
  const QString& body() const { return m_body; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_warns = false;
  QString m_headline;
  QString m_body;
};

}  // namespace vela
