#pragma once
// Error messages meant for the operator ("Please choose a device", ...). The
// panel shows them in a message box captioned "Err"; without a handler they
// go to standard error. Tests install a handler that records them.
#include <functional>
#include <string>

namespace vela {

using OperatorMessageHandler = std::function<void(const std::string& text)>;

void show_operator_message(const std::string& text);
OperatorMessageHandler set_operator_message_handler(OperatorMessageHandler handler);

}  // namespace vela
