#include "gui/list_images.h"

#include <commctrl.h>

namespace tzl::gui {

namespace {
HIMAGELIST ImagesOf(HWND list) {
  return reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
}
}  // namespace

void ResetListImages(HWND list, int width, int height) {
  if (width <= 0 || height <= 0) return;
  HIMAGELIST images = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 8, 8);
  HIMAGELIST old = reinterpret_cast<HIMAGELIST>(
      SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images)));
  if (old && old != images) ImageList_Destroy(old);
  // The new image size changes the row height: erase what the rows drew at
  // the old height, or fragments of their texts stay on screen.
  InvalidateRect(list, nullptr, TRUE);
}

bool ListImageSize(HWND list, int* width, int* height) {
  HIMAGELIST images = ImagesOf(list);
  return images && ImageList_GetIconSize(images, width, height);
}

int AddListImage(HWND list, StretchedPicture picture) {
  if (!picture.bitmap) return -1;
  HIMAGELIST images = ImagesOf(list);
  int index = images ? ImageList_AddMasked(images, picture.bitmap, picture.topLeft) : -1;
  DeleteObject(picture.bitmap);
  InvalidateRect(list, nullptr, FALSE);
  return index;
}

}  // namespace tzl::gui
