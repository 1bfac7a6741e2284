#pragma once
// Device names travel as one byte per character (Latin-1, as the panel reads
// them); a terminal wants UTF-8.
#include <string>

namespace vela::cli {

std::string utf8_from_latin1(const std::string& bytes);

}  // namespace vela::cli
