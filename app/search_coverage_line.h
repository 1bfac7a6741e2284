#pragma once
// One line of the connection dialog that says where a network scan sends its
// request; read again each time the dialog shows, since cards come and go.
#include <QLabel>

namespace vela {

class UdpLink;

class SearchCoverageLine : public QLabel {
  Q_OBJECT
 public:
  // Place in the connection dialog: under the mode list, above the network
  // band's separator.
  static constexpr QRect kPlace{30, 57, 430, 20};

  // Shows where a scan with the link settings of `link` goes.
  SearchCoverageLine(const UdpLink& link, QWidget* parent);

  // Reads this computer's networks and the link's settings again.
  void refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const UdpLink& m_link;
};

}  // namespace vela
