#include "record_changes.h"

#include <vector>

namespace vela {

RecordChanges::Subscription::Subscription(std::weak_ptr<std::map<std::size_t, Observer>> observers, std::size_t key)
    : m_observers(std::move(observers)), m_key(key) {}

RecordChanges::Subscription::~Subscription() { end(); }

RecordChanges::Subscription::Subscription(Subscription&& other) noexcept
    : m_observers(std::move(other.m_observers)), m_key(other.m_key) {
  other.m_observers.reset();
}

RecordChanges::Subscription& RecordChanges::Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    end();
    m_observers = std::move(other.m_observers);
    m_key = other.m_key;
    other.m_observers.reset();
  }
  return *this;
}

void RecordChanges::Subscription::end() {
  if (const auto observers = m_observers.lock()) observers->erase(m_key);
  m_observers.reset();
}

RecordChanges::RecordChanges() : m_observers(std::make_shared<std::map<std::size_t, Observer>>()) {}

RecordChanges::Subscription RecordChanges::observe(Observer observer) {
  const std::size_t key = m_next_key++;
  m_observers->emplace(key, std::move(observer));
  return Subscription(m_observers, key);
}

void RecordChanges::changed(RecordPart part) const {
  // Keys first: an observer told may end subscriptions meanwhile.
  std::vector<std::size_t> keys;
  keys.reserve(m_observers->size());
  for (const auto& entry : *m_observers) keys.push_back(entry.first);
  for (const std::size_t key : keys) {
    const auto found = m_observers->find(key);
    if (found == m_observers->end()) continue;
    const Observer observer = found->second;  // a copy: the entry may go while it runs
    observer(part);
  }
}

}  // namespace vela
