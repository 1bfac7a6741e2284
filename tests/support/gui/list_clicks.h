#pragma once
// Choosing an entry of a drop-down list the way an operator does: open the
// list, click the entry.
class QComboBox;

namespace vela::test {

// Returns false when the entry could not be shown (no such index).
bool click_list_item(QComboBox* list, int index);

}  // namespace vela::test
