#pragma once
// One component of a tuning frame's layout: what it is, where it sits and what it shows.
// A frame is nothing but an ordered table of these; the user interface and the tests turn
// the same table into controls.
#include <string_view>
#include <vector>

namespace tgl {

enum TComponentKind : int {
  cmPageControl = 0,
  cmTabSheet = 1,
  cmGroupBox = 2,
  cmLabel = 3,
  cmCheckBox = 4,
  cmComboBox = 5,
};

std::string_view ComponentKindName(TComponentKind kind);

struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TBounds&, const TBounds&) = default;
};

struct TFrameComponent {
  std::string_view Name;
  TComponentKind Kind = cmLabel;
  std::string_view Parent;   // an earlier component's name; empty for the frame itself
  std::string_view Caption;  // labels, check boxes, group boxes and tab sheets
  int Tag = 0;
  TBounds Bounds;
  bool Visible = true;
  bool FillsParent = false;  // follows its parent's size, as the page control does
  int ImageIndex = 0;        // tab sheets
};

// Every tuning frame: left 0, top 0, width 443, height 277, filling the panel it is put in.
inline constexpr TBounds FrameBounds{0, 0, 443, 277};

// The stock heights of the layouts.
inline constexpr int LabelHeight = 13;
inline constexpr int CheckBoxHeight = 17;
inline constexpr int ComboBoxHeight = 21;

// Rows of the layout tables, in the order the tables read: parent, name, caption, Tag, then
// left, top and width (the heights are the stock ones of each kind).
constexpr TFrameComponent Label(std::string_view parent, std::string_view name,
                                std::string_view caption, int tag, int left, int top,
                                int width) {
  return {name, cmLabel, parent, caption, tag, {left, top, width, LabelHeight}};
}

constexpr TFrameComponent CheckBox(std::string_view parent, std::string_view name,
                                   std::string_view caption, int tag, int left, int top,
                                   int width) {
  return {name, cmCheckBox, parent, caption, tag, {left, top, width, CheckBoxHeight}};
}

constexpr TFrameComponent ComboBox(std::string_view parent, std::string_view name, int tag,
                                   int left, int top, int width) {
  return {name, cmComboBox, parent, "", tag, {left, top, width, ComboBoxHeight}};
}

constexpr TFrameComponent GroupBox(std::string_view parent, std::string_view name,
                                   std::string_view caption, int left, int top, int width,
                                   int height) {
  return {name, cmGroupBox, parent, caption, 0, {left, top, width, height}};
}

// For each component, the index of its parent in `layout`, or -1 for the frame itself.
// Error (a fault of the layout table): "TuningFrame: the parent "%s" of "%s" is not laid
// out before it".
std::vector<int> ParentIndexes(const std::vector<TFrameComponent>& layout);

}  // namespace tgl
