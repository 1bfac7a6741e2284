#include "provenance.h"

#include <ctime>

namespace vela {

std::string Provenance::describe() const {
  switch (m_origin) {
    case Origin::NotKnown:
      return "not known";
    case Origin::Sent:
      return "sent, not read back";
    case Origin::Confirmed:
      break;
  }
  const std::time_t at = Clock::to_time_t(m_confirmed_at);
  std::tm local{};
  localtime_r(&at, &local);
  char text[32] = {};
  std::strftime(text, sizeof text, "confirmed %H:%M:%S", &local);
  return text;
}

}  // namespace vela
