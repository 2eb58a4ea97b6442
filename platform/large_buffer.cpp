#include "platform/large_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace qx::platform {
namespace {

uint8_t* allocate(size_t capacity) {
  void* memory = nullptr;
#if defined(__linux__)
  // Huge pages are 2 MiB; the system gives them only to aligned ranges of
  // memory that asked for them.
  constexpr size_t kHugePage = size_t{2} << 20;
  if (capacity >= kHugePage) {
    memory = std::aligned_alloc(kHugePage, (capacity + kHugePage - 1) / kHugePage * kHugePage);
    if (memory != nullptr) ::madvise(memory, capacity, MADV_HUGEPAGE);  // a hint: plain pages serve as well
  }
#endif
  if (memory == nullptr) memory = std::malloc(std::max<size_t>(capacity, 1));
  if (memory == nullptr) throw std::bad_alloc();
  return static_cast<uint8_t*>(memory);
}

}  // namespace

LargeBuffer::~LargeBuffer() { std::free(data_); }

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

void LargeBuffer::reserve(size_t capacity) {
  if (capacity <= capacity_) return;
  uint8_t* grown = allocate(capacity);
  if (size_ > 0) std::memcpy(grown, data_, size_);
  std::free(data_);
  data_ = grown;
  capacity_ = capacity;
}

void LargeBuffer::append(const uint8_t* data, size_t size) {
  if (size_ + size > capacity_) reserve(std::max(size_ + size, capacity_ * 2));
  if (size > 0) std::memcpy(data_ + size_, data, size);
  size_ += size;
}

}  // namespace qx::platform
