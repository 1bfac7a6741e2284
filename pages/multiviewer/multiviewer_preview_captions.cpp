#include "multiviewer/multiviewer_preview_captions.h"

#include <QStringList>

#include "multiviewer_tables.h"

namespace vela {
namespace {

const QString kDash = QStringLiteral("\u2014");
const QString kSeparator = QStringLiteral("   \u00b7   ");

}  // namespace

QString preview_header_facts(const MultiviewerState& state) {
  if (!state.settings_origin.known()) return QStringLiteral("SETTINGS NOT KNOWN");
  const MultiviewerSettings& settings = state.m_settings;
  QStringList facts;
  if (const auto layout = multiviewer::layout_at(settings.mode_type)) {
    facts << QStringLiteral("%1 WINDOWS").arg(layout->code);
  }
  if (const auto resolution = multiviewer::resolution_at(settings.resolution_type)) {
    facts << QString::fromLatin1(resolution->text).toUpper();
  }
  if (settings.lock_state != 0) facts << QStringLiteral("LOCKED");
  return facts.join(kSeparator);
}

QString preview_footer_facts(const MultiviewerState& state, int window_count) {
  int with_signal = 0;
  for (int w = 0; w < window_count && w < multiviewer::kWindowCount; ++w) {
    with_signal += state.m_window_status[w][0] == 1 ? 1 : 0;
  }
  const bool settings_known = state.settings_origin.known();
  const auto on_off = [&](std::uint8_t value) {
    return settings_known ? QString::fromLatin1(value ? "ON" : "OFF") : kDash;
  };
  const MultiviewerSettings& settings = state.m_settings;
  return QStringLiteral("SIGNAL %1 / %2").arg(state.status_origin.known() ? QString::number(with_signal) : kDash)
             .arg(window_count) +
         kSeparator + QStringLiteral("BORDERS %1").arg(on_off(settings.border_enable)) + kSeparator +
         QStringLiteral("LOCK %1").arg(on_off(settings.lock_state));
}

bool preview_facts_known(const MultiviewerState& state) {
  return state.settings_origin.known() && state.status_origin.known();
}

}  // namespace vela
