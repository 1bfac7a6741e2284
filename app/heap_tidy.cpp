#include "heap_tidy.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vela {

namespace {
// Blocks from this size on are mapped on their own (a page picture is
// hundreds of kilobytes). Setting it also stops the allocator from raising
// it each time such a block is freed, after which big pictures would come
// from the heap and leave holes there.
constexpr int kMappedFromBytes = 256 * 1024;
}  // namespace

void keep_large_blocks_mapped() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, kMappedFromBytes);
#endif
}

HeapTidy::HeapTidy(QObject* parent) : QObject(parent), timer_(this) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    ++tidies_;
  });
}

void HeapTidy::page_closed() { timer_.start(); }

}  // namespace vela
