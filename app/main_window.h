// MainWindow: the query box, the result labels, the price list below and
// the detail panel to the right. It is the ResultPanel the lookup jobs
// write to; every panel operation may come from any thread and is carried
// out on the window's own thread.
#pragma once

#include <windows.h>

#include "app/app_environment.h"
#include "app/watched_file.h"
#include "gui/form.h"
#include "lookups/result_panel.h"

namespace tzl::app {

class MainWindow : public ResultPanel {
 public:
  explicit MainWindow(AppEnvironment environment);
  ~MainWindow() override;

  // Creates and shows the window, then runs its created handler (which may
  // show the disclaimer modally and return only once it is closed).
  bool Create(HICON icon = nullptr, const std::string& titlePicture = std::string());

  gui::Form& form() { return form_; }
  HWND Handle() const { return form_.Handle(); }
  WatchedFile& watchedFile() { return watchedFile_; }
  bool DisclaimerOpen() const { return disclaimerOpen_; }

  // Handlers (public so that the start-up and tests reach them by name).
  void OnMainWindowCreated();
  void ShowAbout();
  void CloseProgram();
  void SaveQuery();
  void CheckWatchedFile();
  void PopUpMenu();

  // ResultPanel
  Text QueryText() override;
  void SetQueryText(const Text& text) override;
  Text LabelText(ResultLabel label) override;
  void SetLabelText(ResultLabel label, const Text& text) override;
  int LabelWidth(ResultLabel label) override;
  void SetLabelWidth(ResultLabel label, int width) override;
  void DeleteAllRows(ResultList list) override;
  int AppendRow(ResultList list) override;
  Text CellText(ResultList list, int row, int column) override;
  void SetCellText(ResultList list, int row, int column, const Text& text) override;
  void SetCellImage(ResultList list, int row, int imageIndex) override;
  void ResetImageList(ResultList list, int width, int height) override;
  int AddPicture(ResultList list, const std::string& pictureBytes) override;
  int WindowWidth() override;
  void SetWindowWidth(int width) override;
  int WindowHeight() override;
  void SetWindowHeight(int height) override;
  int ListTop(ResultList list) override;
  void SetListTop(ResultList list, int top) override;
  int ListHeight(ResultList list) override;
  void SetListHeight(ResultList list, int height) override;

 private:
  void ConnectHandlers();
  void Open(const Text& address) const;
  void ShowDisclaimer();
  HWND ControlFor(ResultLabel label) const;
  HWND ControlFor(ResultList list) const;

  AppEnvironment environment_;
  gui::Form form_;
  WatchedFile watchedFile_;
  bool disclaimerOpen_ = false;
};

}  // namespace tzl::app
