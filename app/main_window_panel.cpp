// MainWindow as the jobs' ResultPanel. Each operation runs on the window's
// thread through Form::RunOnGuiThread, whichever thread calls it; the text
// and picture bytes are the caller's for the length of the call.
#include "app/main_window.h"

#include <commctrl.h>

#include "gui/list_images.h"
#include "gui/list_view.h"
#include "gui/wide_text.h"

namespace tzl::app {

namespace {

RECT PlaceInParent(HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void Resize(HWND control, int width, int height) {
  SetWindowPos(control, nullptr, 0, 0, width < 0 ? 0 : width, height < 0 ? 0 : height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HWND MainWindow::ControlFor(ResultLabel label) const { return form_.Control(ControlName(label)); }
HWND MainWindow::ControlFor(ResultList list) const { return form_.Control(ControlName(list)); }

Text MainWindow::QueryText() {
  Text text;
  form_.RunOnGuiThread([&] { text = gui::WindowTextOf(form_.Control("编辑框1")); });
  return text;
}

void MainWindow::SetQueryText(const Text& text) {
  form_.RunOnGuiThread([&] { gui::SetWindowTextOf(form_.Control("编辑框1"), text); });
}

Text MainWindow::LabelText(ResultLabel label) {
  Text text;
  form_.RunOnGuiThread([&] { text = gui::WindowTextOf(ControlFor(label)); });
  return text;
}

void MainWindow::SetLabelText(ResultLabel label, const Text& text) {
  form_.RunOnGuiThread([&] {
    if (HWND control = ControlFor(label)) gui::SetWindowTextOf(control, text);
  });
}

int MainWindow::LabelWidth(ResultLabel label) {
  int width = 0;
  form_.RunOnGuiThread([&] {
    if (HWND control = ControlFor(label)) {
      RECT place = PlaceInParent(control);
      width = place.right - place.left;
    }
  });
  return width;
}

void MainWindow::SetLabelWidth(ResultLabel label, int width) {
  form_.RunOnGuiThread([&] {
    if (HWND control = ControlFor(label)) {
      RECT place = PlaceInParent(control);
      Resize(control, width, place.bottom - place.top);
    }
  });
}

void MainWindow::DeleteAllRows(ResultList list) {
  form_.RunOnGuiThread([&] { gui::DeleteAllListRows(ControlFor(list)); });
}

int MainWindow::AppendRow(ResultList list) {
  int row = -1;
  form_.RunOnGuiThread([&] { row = gui::AppendListRow(ControlFor(list)); });
  return row;
}

Text MainWindow::CellText(ResultList list, int row, int column) {
  Text text;
  form_.RunOnGuiThread([&] { text = gui::ListCellText(ControlFor(list), row, column); });
  return text;
}

void MainWindow::SetCellText(ResultList list, int row, int column, const Text& text) {
  form_.RunOnGuiThread([&] { gui::SetListCellText(ControlFor(list), row, column, text); });
}

void MainWindow::SetCellImage(ResultList list, int row, int imageIndex) {
  form_.RunOnGuiThread([&] { gui::SetListCellImage(ControlFor(list), row, imageIndex); });
}

void MainWindow::ResetImageList(ResultList list, int width, int height) {
  form_.RunOnGuiThread([&] { gui::ResetListImages(ControlFor(list), width, height); });
}

int MainWindow::AddPicture(ResultList list, const std::string& pictureBytes) {
  int width = 0, height = 0;
  bool hasImages = false;
  form_.RunOnGuiThread([&] { hasImages = gui::ListImageSize(ControlFor(list), &width, &height); });
  if (!hasImages) return -1;
  // Decoded on the job's thread; only the finished bitmap goes to the GUI
  // thread, which keeps the image list in one thread's hands.
  gui::StretchedPicture picture = gui::DecodeStretched(pictureBytes, width, height);
  if (!picture.bitmap) return -1;
  int index = -1;
  form_.RunOnGuiThread([&] {
    index = gui::AddListImage(ControlFor(list), picture);
    picture.bitmap = nullptr;
  });
  if (picture.bitmap) DeleteObject(picture.bitmap);  // the window was gone
  return index;
}

int MainWindow::WindowWidth() {
  int width = 0;
  form_.RunOnGuiThread([&] {
    RECT window;
    GetWindowRect(form_.Handle(), &window);
    width = window.right - window.left;
  });
  return width;
}

void MainWindow::SetWindowWidth(int width) {
  form_.RunOnGuiThread([&] {
    RECT window;
    GetWindowRect(form_.Handle(), &window);
    Resize(form_.Handle(), width, window.bottom - window.top);
  });
}

int MainWindow::WindowHeight() {
  int height = 0;
  form_.RunOnGuiThread([&] {
    RECT window;
    GetWindowRect(form_.Handle(), &window);
    height = window.bottom - window.top;
  });
  return height;
}

void MainWindow::SetWindowHeight(int height) {
  form_.RunOnGuiThread([&] {
    RECT window;
    GetWindowRect(form_.Handle(), &window);
    Resize(form_.Handle(), window.right - window.left, height);
  });
}

int MainWindow::ListTop(ResultList list) {
  int top = 0;
  form_.RunOnGuiThread([&] {
    if (HWND control = ControlFor(list)) top = PlaceInParent(control).top;
  });
  return top;
}

void MainWindow::SetListTop(ResultList list, int top) {
  form_.RunOnGuiThread([&] {
    if (HWND control = ControlFor(list)) {
      RECT place = PlaceInParent(control);
      SetWindowPos(control, nullptr, place.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  });
}

int MainWindow::ListHeight(ResultList list) {
  int height = 0;
  form_.RunOnGuiThread([&] {
    if (HWND control = ControlFor(list)) {
      RECT place = PlaceInParent(control);
      height = place.bottom - place.top;
    }
  });
  return height;
}

void MainWindow::SetListHeight(ResultList list, int height) {
  form_.RunOnGuiThread([&] {
    if (HWND control = ControlFor(list)) {
      RECT place = PlaceInParent(control);
      Resize(control, place.right - place.left, height);
    }
  });
}

}  // namespace tzl::app
