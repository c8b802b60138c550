// Owners of Win32 handles, GDI objects, registry keys, BSTRs, COM pointers and
// the VARIANT-like structures: each resource is released on every path by the
// object that holds it. One template, one line per kind of handle.
#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <oleauto.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace owners {

template <typename T>
constexpr T NullValue() {
  return T{};
}
inline HANDLE InvalidHandleValue() { return INVALID_HANDLE_VALUE; }

// Holds one handle of type T and gives it to Close when it lets it go;
// Invalid() is the value that holds nothing.
template <typename T, auto Close, auto Invalid = NullValue<T>>
class UniqueAny {
 public:
  UniqueAny() = default;
  explicit UniqueAny(T value) : value_(value) {}
  UniqueAny(UniqueAny&& other) noexcept : value_(std::exchange(other.value_, Invalid())) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, Invalid()));
    return *this;
  }
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  ~UniqueAny() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid(); }
  T operator->() const
    requires std::is_class_v<std::remove_pointer_t<T>>
  {
    return value_;
  }

  void reset(T value = Invalid()) {
    T old = std::exchange(value_, value);
    if (old != Invalid()) Close(old);
  }
  [[nodiscard]] T release() { return std::exchange(value_, Invalid()); }
  // For functions that return a handle through a pointer: lets go of what is
  // held first, so nothing leaks when the owner is filled twice.
  T* put() {
    reset();
    return &value_;
  }

 private:
  T value_ = Invalid();
};

// Closers whose signatures do not fit a handle's type directly.
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DestroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }
inline void FreeGlobal(HGLOBAL memory) { GlobalFree(memory); }
inline void FreeLocal(HLOCAL memory) { LocalFree(memory); }
inline void FreeLocalText(char* text) { LocalFree(text); }
inline void CloseRegKey(HKEY key) { RegCloseKey(key); }
inline void ReleaseScreenDc(HDC dc) { ReleaseDC(nullptr, dc); }
inline void FreeBstr(BSTR text) { SysFreeString(text); }
template <typename Interface>
void ReleaseInterface(Interface* object) {
  object->Release();
}

using UniqueFile = UniqueAny<HANDLE, CloseHandle, InvalidHandleValue>;
using UniqueFind = UniqueAny<HANDLE, FindClose, InvalidHandleValue>;
using UniqueHandle = UniqueAny<HANDLE, CloseHandle>;
using UniqueLibrary = UniqueAny<HMODULE, FreeLibrary>;
using UniqueRegKey = UniqueAny<HKEY, CloseRegKey>;
using UniqueWindow = UniqueAny<HWND, DestroyWindow>;
using UniqueMenu = UniqueAny<HMENU, DestroyMenu>;
using UniqueIcon = UniqueAny<HICON, DestroyIcon>;
using UniqueImageList = UniqueAny<HIMAGELIST, DestroyImageList>;
using UniqueFont = UniqueAny<HFONT, DeleteGdiObject>;
using UniqueBitmap = UniqueAny<HBITMAP, DeleteGdiObject>;
using UniqueBrush = UniqueAny<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueAny<HPEN, DeleteGdiObject>;
using UniqueDc = UniqueAny<HDC, DeleteDC>;
using UniqueScreenDc = UniqueAny<HDC, ReleaseScreenDc>;  // from GetDC(nullptr)
using UniqueGlobal = UniqueAny<HGLOBAL, FreeGlobal>;
using UniqueLocal = UniqueAny<HLOCAL, FreeLocal>;
using UniqueLocalText = UniqueAny<char*, FreeLocalText>;
using UniqueBstr = UniqueAny<BSTR, FreeBstr>;
template <typename Interface>
using ComPtr = UniqueAny<Interface*, ReleaseInterface<Interface>>;

// Holds a structure that owns what it points to (a VARIANT, an EXCEPINFO):
// Init readies it, Clear frees its contents.
template <typename T, auto Init, auto Clear>
class UniqueStruct {
 public:
  UniqueStruct() { Init(&value_); }
  UniqueStruct(const UniqueStruct&) = delete;
  UniqueStruct& operator=(const UniqueStruct&) = delete;
  ~UniqueStruct() { Clear(&value_); }

  T* get() { return &value_; }
  const T* get() const { return &value_; }
  T* operator->() { return &value_; }
  const T* operator->() const { return &value_; }
  const T& operator*() const { return value_; }
  // Frees what is held and readies the structure to be filled again.
  T* reset() {
    Clear(&value_);
    Init(&value_);
    return &value_;
  }

 private:
  T value_;
};

inline void ClearVariant(VARIANT* value) { VariantClear(value); }
inline void InitExcepInfo(EXCEPINFO* info) { *info = EXCEPINFO{}; }
inline void ClearExcepInfo(EXCEPINFO* info) {
  SysFreeString(info->bstrSource);
  SysFreeString(info->bstrDescription);
  SysFreeString(info->bstrHelpFile);
  *info = EXCEPINFO{};
}

using UniqueVariant = UniqueStruct<VARIANT, VariantInit, ClearVariant>;
using UniqueExcepInfo = UniqueStruct<EXCEPINFO, InitExcepInfo, ClearExcepInfo>;

// A description that a type library or type hands out (TLIBATTR, TYPEATTR,
// FUNCDESC, VARDESC), given back to it through `give_back` when the holder goes.
template <typename Owner, typename Desc>
auto HoldDescription(Owner* owner, Desc* desc, void (STDMETHODCALLTYPE Owner::*give_back)(Desc*)) {
  auto release = [owner, give_back](Desc* held) { (owner->*give_back)(held); };
  return std::unique_ptr<Desc, decltype(release)>(desc, release);
}

// Selects a GDI object into a device context for one scope and puts back the
// object that was selected before.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  explicit operator bool() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A locked view of a movable memory block, unlocked at the end of the scope.
template <typename T>
class ScopedGlobalLock {
 public:
  explicit ScopedGlobalLock(HGLOBAL memory)
      : memory_(memory), data_(memory ? static_cast<T*>(GlobalLock(memory)) : nullptr) {}
  ~ScopedGlobalLock() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  ScopedGlobalLock(const ScopedGlobalLock&) = delete;
  ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;
  T* get() const { return data_; }
  T* operator->() const { return data_; }
  explicit operator bool() const { return data_ != nullptr; }

 private:
  HGLOBAL memory_;
  T* data_;
};

}  // namespace owners
