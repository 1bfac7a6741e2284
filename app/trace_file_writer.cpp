#include "trace_file_writer.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include "trace_fields.h"

namespace vela {

TraceFileWriter::TraceFileWriter(ProtocolTrace& trace) : trace_(trace) {}

TraceFileWriter::~TraceFileWriter() { stop(); }

bool TraceFileWriter::start(const std::string& path) {
  file_ = std::fopen(path.c_str(), "w");
  if (file_ == nullptr) {
    error_ = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  thread_ = std::thread(&TraceFileWriter::run, this);
  return true;
}

void TraceFileWriter::stop() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
  std::fclose(file_);
  file_ = nullptr;
}

void TraceFileWriter::run() {
  std::unique_lock lock(mutex_);
  while (!wake_.wait_for(lock, std::chrono::milliseconds(kWriteIntervalMs), [this] { return stopping_; })) {
    lock.unlock();
    write_new_records();
    lock.lock();
  }
  lock.unlock();
  // What came in since the last turn, however soon the stop came.
  write_new_records();
}

void TraceFileWriter::write_new_records() {
  for (const TraceRecord& record : trace_.since(next_)) {
    if (record.sequence > next_)
      std::fprintf(file_, "{\"skipped\":%llu}\n", static_cast<unsigned long long>(record.sequence - next_));
    std::fprintf(file_, "%s\n", trace_json_line(record).c_str());
    next_ = record.sequence + 1;
  }
  std::fflush(file_);
}

}  // namespace vela
