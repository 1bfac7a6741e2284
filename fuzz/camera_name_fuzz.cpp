// The camera-name exchange from both ends: the acknowledgement the panel
// reads, and the name payload the simulated switcher reads (the multiviewer's
// label text has the same form). A payload read and written again is the
// same bytes.
#include "fuzz_support.h"
#include "multiviewer_protocol.h"
#include "switcher_protocol.h"

using namespace vela;
namespace sw = vela::switcher;

VELA_FUZZ_QUIET_INIT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes bytes = fuzz::exact_copy(ByteView(data, size));
  const auto answer = sw::read_camera_name_ack(bytes);
  fuzz::check(answer.has_value() == (size > sw::camera_name::kStatusOffset), "an answer taken or refused by its size");
  if (answer) {
    const bool accepted = bytes[sw::camera_name::kStatusOffset] == sw::camera_name::kAccepted;
    fuzz::check((*answer == sw::CameraNameAnswer::Accepted) == accepted, "an answer read from the wrong byte");
  }

  const auto command = sw::read_camera_name_payload(bytes);
  if (command) {
    // The constant bytes are not checked on reading, so they are set here.
    const Bytes written = sw::camera_name_payload(command->number - 1, command->name);
    const auto reread = sw::read_camera_name_payload(fuzz::exact_copy(written));
    fuzz::check(reread && reread->number == command->number &&
                    reread->name == command->name.substr(0, sw::camera_name::kMaxUnits),
                "a camera name written again reads back differently");
  }
  const auto label = multiviewer::read_label_text_payload(bytes);
  fuzz::check(label.has_value() == command.has_value(), "label and camera name payloads read differently");
  if (label) {
    const Bytes written = multiviewer::label_text_payload(label->window, label->label);
    const auto reread = multiviewer::read_label_text_payload(fuzz::exact_copy(written));
    fuzz::check(reread && reread->window == label->window && reread->label == label->label,
                "a label text written again reads back differently");
  }
  return 0;
}
