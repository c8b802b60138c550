// Owners of the GDI objects, device contexts, memory blocks, image lists,
// menus and icons the window and the printer use.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "win32_handles.h"

namespace lomvex {

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DestroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }
inline void FreeGlobal(HGLOBAL memory) { GlobalFree(memory); }

using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject, NullHandle<HFONT>>;
using UniqueDc = UniqueHandle<HDC, DeleteDC, NullHandle<HDC>>;
using UniqueGlobal = UniqueHandle<HGLOBAL, FreeGlobal, NullHandle<HGLOBAL>>;
using UniqueImageList = UniqueHandle<HIMAGELIST, DestroyImageList, NullHandle<HIMAGELIST>>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu, NullHandle<HMENU>>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon, NullHandle<HICON>>;

// A locked view of a movable memory block, unlocked at the end of the scope.
template <typename T>
class GlobalLockView {
 public:
  explicit GlobalLockView(HGLOBAL memory)
      : memory_(memory), data_(memory ? static_cast<T*>(GlobalLock(memory)) : nullptr) {}
  ~GlobalLockView() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  GlobalLockView(const GlobalLockView&) = delete;
  GlobalLockView& operator=(const GlobalLockView&) = delete;
  T* get() const { return data_; }
  T* operator->() const { return data_; }
  explicit operator bool() const { return data_ != nullptr; }

 private:
  HGLOBAL memory_;
  T* data_;
};

}  // namespace lomvex
