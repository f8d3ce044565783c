// Owners of the GDI and user objects the windows make: each is let go of
// when its owner is, so that no window keeps a list of what to free.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace lotwheel::win32 {

struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(object); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

template <typename Handle, typename Deleter = GdiObjectDeleter>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Deleter>;

using FontHandle = Owned<HFONT>;
using BitmapHandle = Owned<HBITMAP>;
using IconHandle = Owned<HICON, IconDeleter>;

}  // namespace lotwheel::win32
