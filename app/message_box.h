#pragma once
// Operator messages as modal message boxes captioned "Err" with OK and
// Cancel (the answer is not used).
class QWidget;

namespace vela {

void install_message_box_handler(QWidget* parent);

}  // namespace vela
