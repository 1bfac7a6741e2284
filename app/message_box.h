#pragma once
// Operator messages as modal message boxes captioned "Err" with OK and
// Cancel (the answer is not used). A box is only ever built on the window
// thread: a message from another thread is posted there and shown when the
// window thread comes to it.
#include <QString>
#include <functional>

#include "operator_message.h"

class QWidget;

namespace vela {

// Shows one message over `parent` (which may be null); runs on the window thread.
using MessageBoxShow = std::function<void(QWidget* parent, const QString& text)>;

// The "Err" box, modal.
void show_err_box(QWidget* parent, const QString& text);

// Routes operator messages to `show` (the "Err" box when empty) on the window
// thread. Returns the handler it replaced.
OperatorMessageHandler install_message_box_handler(QWidget* parent, MessageBoxShow show = {});

}  // namespace vela
