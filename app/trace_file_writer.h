#pragma once
// --trace FILE: the protocol trace written to a file as JSON lines from
// start-up on. A thread of its own takes the new records every
// kWriteIntervalMs and writes them, so the window thread never waits on the
// disk. Records the ring dropped before the writer took them are stated in
// a line {"skipped":N}.
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "trace.h"

namespace vela {

class TraceFileWriter {
 public:
  static constexpr int kWriteIntervalMs = 200;

  explicit TraceFileWriter(ProtocolTrace& trace = protocol_trace());
  ~TraceFileWriter();
  TraceFileWriter(const TraceFileWriter&) = delete;
  TraceFileWriter& operator=(const TraceFileWriter&) = delete;

  // Opens (truncates) the file and starts writing every record the trace
  // still holds. False with the reason in error() when it cannot be opened.
  bool start(const std::string& path);
  // Writes what is left and closes the file; also done on destruction.
  void stop();
  const std::string& error() const { return error_; }

 private:
  void run();
  void write_new_records();

  ProtocolTrace& trace_;
  std::FILE* file_ = nullptr;
  std::uint64_t next_ = 0;
  std::string error_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vela
