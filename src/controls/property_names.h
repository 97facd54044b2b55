#pragma once

#include <string_view>

// The names of the controls' properties: what scripts read and write, what
// language files and the settings store address, and what a control reports
// to its view when one of them changes. Code names a property only through
// these constants, so each name is written once.
namespace kugel::prop {

inline constexpr std::string_view Name = "Name";
inline constexpr std::string_view Caption = "Caption";
inline constexpr std::string_view Hint = "Hint";
inline constexpr std::string_view ShowHint = "ShowHint";
inline constexpr std::string_view Visible = "Visible";
inline constexpr std::string_view Enabled = "Enabled";
inline constexpr std::string_view Color = "Color";
inline constexpr std::string_view FontColor = "FontColor";
inline constexpr std::string_view Font = "Font";
inline constexpr std::string_view Alignment = "Alignment";  // a label's text
inline constexpr std::string_view Charset = "Charset";
inline constexpr std::string_view Tag = "Tag";
inline constexpr std::string_view Bounds = "Bounds";
inline constexpr std::string_view Text = "Text";
inline constexpr std::string_view ReadOnly = "ReadOnly";
inline constexpr std::string_view Position = "Position";
inline constexpr std::string_view Min = "Min";
inline constexpr std::string_view Max = "Max";
inline constexpr std::string_view Checked = "Checked";
inline constexpr std::string_view TabVisible = "TabVisible";
inline constexpr std::string_view ActivePage = "ActivePage";
inline constexpr std::string_view Date = "Date";
inline constexpr std::string_view MinDate = "MinDate";
inline constexpr std::string_view ShortCut = "ShortCut";
inline constexpr std::string_view Interval = "Interval";
inline constexpr std::string_view Chart = "Chart";  // a chart's series and axes

// A memo's lines: all of them change together as "Lines"; one is read or
// written as "Lines[k]", their number as "Lines.Count".
inline constexpr std::string_view Lines = "Lines";
inline constexpr std::string_view LinesCount = "Lines.Count";
// A combo box's list works like a memo's lines: "Items", "Items[k]",
// "Items.Count".
inline constexpr std::string_view Items = "Items";
inline constexpr std::string_view ItemsCount = "Items.Count";
// A status bar's panels change together as "Panels"; one is "Panels[k]".
inline constexpr std::string_view Panels = "Panels";
// The progress bar a status bar shows while a long operation runs.
inline constexpr std::string_view Progress = "Progress";

}  // namespace kugel::prop
