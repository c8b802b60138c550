// The main window's design: positions and sizes in twips, turned into pixels at
// 96 dots per inch (15 twips to a pixel).
#pragma once

namespace lomvex::layout {

constexpr int Pixels(int twips) { return twips / 15; }

constexpr int kClientWidth = Pixels(11280);
constexpr int kClientHeight = Pixels(5760);
constexpr int kToolbarHeight = Pixels(360);
constexpr int kUpperRuleTop = Pixels(360);
constexpr int kLowerRuleTop = Pixels(380);
constexpr int kListLeft = Pixels(120);
constexpr int kListTop = Pixels(420);
constexpr int kListWidth = Pixels(10995);
constexpr int kListHeight = Pixels(4575);
constexpr int kLabelLeft = Pixels(180);
constexpr int kLabelTop = Pixels(5100);
constexpr int kLabelWidth = Pixels(10875);
constexpr int kLabelHeight = Pixels(255);
constexpr int kStatusHeight = Pixels(315);

// Child window ids.
constexpr int kListId = 10;
constexpr int kToolbarId = 11;
constexpr int kStatusId = 12;
constexpr int kLabelId = 13;

// Status panels, pixels.
constexpr int kPanelWidths[] = {539, 96, 96};

// List columns 1 to 9: header text number (0 for none) and width in pixels.
struct ColumnDesign {
  int text_id;
  int width;
};
constexpr ColumnDesign kColumns[] = {
    {0, 25}, {201, 90}, {202, 90}, {203, 156}, {204, 96}, {205, 187}, {206, 65}, {0, 0}, {0, 0},
};

}  // namespace lomvex::layout
