#include "lookups/picture_cell.h"

#include "web/plain_fetch.h"

namespace tzl {

int FetchPictureIntoList(ResultPanel& panel, ResultList list, const Text& pictureAddress) {
  std::string bytes = PlainFetch(pictureAddress);
  if (bytes.empty()) return -1;
  return panel.AddPicture(list, bytes);
}

}  // namespace tzl
