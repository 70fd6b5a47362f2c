// Plain argument structs from which forms and their controls are built: a
// form is a table of named controls, each created as a real child window
// at its design position so that other programs can read it.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "text/text.h"

namespace tzl::gui {

enum class ControlKind {
  EditBox,           // single-line EDIT
  Button,            // BUTTON; a text holding CR LF is shown on several lines
  TransparentLabel,  // our label class: its window text over the parent's background
  PictureBox,        // our picture class: a background strip, optionally an animated picture
  ListView,          // SysListView32 in report mode
  Canvas,            // an off-screen drawing surface, never shown
};

struct FontDesign {
  const char* face = nullptr;  // code-page-936 face name; nullptr: the system's default face
  int pixelHeight = 0;         // 0: the control's default font
};

struct ColumnDesign {
  const char* title;
  int width;
};

struct ControlDesign {
  ControlKind kind = ControlKind::TransparentLabel;
  const char* name = "";         // code-page-936 control name, unique within the form
  const char* parent = nullptr;  // name of a picture box holding this control; nullptr: the form
  Text text;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  FontDesign font;
  std::vector<ColumnDesign> columns;         // list views only
  std::vector<std::vector<Text>> rows;     // list views only: rows present from design on
};

struct FormDesign {
  const char* className;  // window class registered for this form
  Text title;
  int width = 0, height = 0;
  bool topmost = false;
  bool taskbarButton = true;
  bool centreOnScreen = true;
  bool dragByFreeArea = true;
  COLORREF background = RGB(255, 255, 255);
  // A one-pixel line round the edge, for a borderless window over a light desktop.
  bool outline = false;
  COLORREF outlineColour = RGB(120, 130, 150);
  HICON icon = nullptr;
};

inline ControlDesign MakeControl(ControlKind kind, const char* name) {
  ControlDesign design;
  design.kind = kind;
  design.name = name;
  return design;
}

}  // namespace tzl::gui
