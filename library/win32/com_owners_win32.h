// Owners of COM pointers, BSTRs, VARIANTs, registry keys and kernel handles, so
// that each is released on every path.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <utility>

namespace pelmar {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) reset(std::exchange(other.ptr_, nullptr));
    return *this;
  }
  ~ComPtr() { reset(); }
  T** out() {
    reset();
    return &ptr_;
  }
  T* get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  void reset(T* ptr = nullptr) {
    if (ptr_) ptr_->Release();
    ptr_ = ptr;
  }

 private:
  T* ptr_ = nullptr;
};

class UniqueBstr {
 public:
  UniqueBstr() = default;
  explicit UniqueBstr(BSTR text) : text_(text) {}
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { SysFreeString(text_); }
  BSTR* out() {
    SysFreeString(std::exchange(text_, nullptr));
    return &text_;
  }
  BSTR get() const { return text_; }
  BSTR release() { return std::exchange(text_, nullptr); }

 private:
  BSTR text_ = nullptr;
};

class UniqueVariant {
 public:
  UniqueVariant() { VariantInit(&value_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  ~UniqueVariant() { VariantClear(&value_); }
  VARIANT* get() { return &value_; }
  const VARIANT& operator*() const { return value_; }

 private:
  VARIANT value_;
};

class UniqueRegKey {
 public:
  UniqueRegKey() = default;
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  ~UniqueRegKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

template <BOOL(WINAPI* Close)(HANDLE)>
class UniqueKernel {
 public:
  explicit UniqueKernel(HANDLE handle) : handle_(handle) {}
  UniqueKernel(const UniqueKernel&) = delete;
  UniqueKernel& operator=(const UniqueKernel&) = delete;
  ~UniqueKernel() {
    if (handle_ && handle_ != INVALID_HANDLE_VALUE) Close(handle_);
  }
  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};
using UniqueHandle = UniqueKernel<CloseHandle>;
using UniqueFind = UniqueKernel<FindClose>;

}  // namespace pelmar
