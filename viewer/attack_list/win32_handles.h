// Owners of Win32 handles, so that every handle is closed on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace lomvex {

template <typename Handle, auto Close, auto Invalid>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Invalid()));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  void reset(Handle handle = Invalid()) {
    if (handle_ != Invalid()) Close(handle_);
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Invalid()); }

 private:
  Handle handle_ = Invalid();
};

inline HANDLE InvalidFileHandle() { return INVALID_HANDLE_VALUE; }
template <typename T>
constexpr T NullHandle() {
  return nullptr;
}

using UniqueFile = UniqueHandle<HANDLE, CloseHandle, InvalidFileHandle>;
using UniqueFind = UniqueHandle<HANDLE, FindClose, InvalidFileHandle>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseHandle, NullHandle<HANDLE>>;

}  // namespace lomvex
