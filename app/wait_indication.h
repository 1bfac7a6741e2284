#pragma once
// Shows the operator what the panel waits for while a reply window is open:
// a search as a thin countdown over the device list with the devices found
// so far, a device's reply as a card with what is asked, of whom, and the
// time left. A card appears only once a wait has lasted kShowAfterMs, so
// replies that come at once leave nothing flickering; a search, which always
// runs its whole window, shows at once. The wait cursor is up while it is.
// A wait started from another window of the panel (a dialog of the page,
// say the camera names) shows its card over that window, where the operator
// is looking, and the card comes back home when the wait ends.
#include <QString>
#include <QWidget>

#include "reply_window.h"

namespace vela {

class WaitIndication : public QWidget, public ReplyWindowListener {
  Q_OBJECT
 public:
  enum class Shows { Searches, DeviceReplies };
  static constexpr int kShowAfterMs = 150;
  static constexpr QSize kCardSize{460, 104};

  // Listens to the constructing thread's reply windows of the kind `shows`.
  // A card sizes itself; a search bar takes the geometry it is given.
  WaitIndication(Shows shows, QWidget* parent);
  ~WaitIndication() override;

  // Puts the card in the middle of `area` (parent coordinates): its place
  // whenever the wait is not shown over another window.
  void place_centred(const QRect& area);
  static constexpr int kGuestMargin = 10;

  // What the indication says now, as drawn.
  QString caption() const;
  QString detail() const;
  QString time_left() const;
  int remaining_ms() const { return remaining_ms_; }

  void window_opened(const ReplyWindow& window) override;
  void window_waiting(const ReplyWindow& window, int remaining_ms) override;
  void window_closed(const ReplyWindow& window, ReplyWindowOutcome outcome, int elapsed_ms) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool wanted(const ReplyWindow& window) const;
  void appear();
  void disappear();
  void go_over_active_window();
  void go_home();
  void paint_search_bar(QPainter& p) const;
  void paint_card(QPainter& p) const;
  qreal fraction_left() const;

  Shows shows_;
  QWidget* home_ = nullptr;
  QRect home_area_;
  ReplyWindow window_{};
  bool open_ = false;
  int remaining_ms_ = 0;
  bool cursor_set_ = false;
  ReplyWindowListening listening_;
};

}  // namespace vela
