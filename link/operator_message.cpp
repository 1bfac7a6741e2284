#include "operator_message.h"

#include <cstdio>

namespace vela {
namespace {
OperatorMessageHandler current_handler;
}

void show_operator_message(const std::string& text) {
  if (current_handler) {
    current_handler(text);
    return;
  }
  std::fprintf(stderr, "Err: %s\n", text.c_str());
}

OperatorMessageHandler set_operator_message_handler(OperatorMessageHandler handler) {
  OperatorMessageHandler previous = std::move(current_handler);
  current_handler = std::move(handler);
  return previous;
}

}  // namespace vela
