#pragma once
// The panel runs through whole shows and longer: memory that closed pages
// and their pictures give back goes back to the system instead of staying
// with the allocator, so the panel's resident size follows what it holds.
#include <QObject>
#include <QTimer>

namespace vela {

// Once, at start-up: large blocks (page pictures, backing stores) are
// mapped on their own and unmapped when freed, whatever sizes came before.
void keep_large_blocks_mapped();

// A moment after a page closed (its widgets go with deleteLater), hands the
// allocator's free memory back to the system; closings close together are
// tidied once.
class HeapTidy : public QObject {
 public:
  static constexpr int kDelayMs = 1500;
  explicit HeapTidy(QObject* parent);
  void page_closed();
  int tidies() const { return tidies_; }

 private:
  QTimer timer_;
  int tidies_ = 0;
};

}  // namespace vela
