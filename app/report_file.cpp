#include "app/report_file.h"

namespace tzl::app {

bool IsReportFileName(const Text& queryText) {
  for (size_t i = 0; i < queryText.size(); i += CharLengthAt(queryText, i)) {
    char byte = queryText[i];
    if (byte == '/' || byte == '\\' || byte == ':') return false;
  }
  // Without separators the whole text is the only component.
  return queryText != "..";
}

Text ReportFilePath(const Text& desktopDirectory, const Text& queryText) {
  if (!IsReportFileName(queryText)) return Text();
  return desktopDirectory + "/" + queryText + ".ini";
}

}  // namespace tzl::app
