// The main window's design: positions and sizes in twips, turned into pixels at
// 96 dots per inch (15 twips to a pixel).
#pragma once

#include "viewer_ids.h"

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

// Status panels, pixels.
constexpr int kPanelWidths[] = {539, 96, 96};

// List columns 1 to 9: header text number (0 for none) and width in pixels.
struct ColumnDesign {
  int text_id;
  int width;
};
constexpr ColumnDesign kColumns[] = {
    {0, 25},
    {IDS_COLUMN_DATE, 90},
    {IDS_COLUMN_TIME, 90},
    {IDS_COLUMN_ATTACK_TYPE, 156},
    {IDS_COLUMN_INTRUDER_ADDRESS, 96},
    {IDS_COLUMN_INTRUDER_NAME, 187},
    {IDS_COLUMN_COUNT, 65},
    {0, 0},
    {0, 0},
};

}  // namespace lomvex::layout
