#pragma once
// Change notices of the device records: whoever changes a record says which
// part changed, and every view that shows that part (the preview, its
// header and footer, a tab) hears it and redraws, so no action has to know
// which views to refresh. Notices go out on the thread that made the
// change; in the panel that is the window thread.
#include <cstddef>
#include <functional>
#include <map>
#include <memory>

namespace vela {

enum class RecordPart {
  MultiviewerSettings,  // the settings block: layout, resolution, labels, colours, meters, border, lock
  MultiviewerStatus,    // what the last status poll reported
  MultiviewerLabels,    // window labels and sources
  Matrix,
  ShowMode,
  Switcher,
  CameraNames,
};

class RecordChanges {
 public:
  using Observer = std::function<void(RecordPart)>;

  // Hears notices for as long as it lives; it may outlive the notices'
  // source.
  class Subscription {
   public:
    Subscription() = default;
    ~Subscription();
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

   private:
    friend class RecordChanges;
    Subscription(std::weak_ptr<std::map<std::size_t, Observer>> observers, std::size_t key);
    void end();
    std::weak_ptr<std::map<std::size_t, Observer>> m_observers;
    std::size_t m_key = 0;
  };

  RecordChanges();
  [[nodiscard]] Subscription observe(Observer observer);
  // Tells every observer; an observer may end its own or another's
  // subscription while it is told.
  void changed(RecordPart part) const;

 private:
  std::shared_ptr<std::map<std::size_t, Observer>> m_observers;
  std::size_t m_next_key = 1;
};

}  // namespace vela
