// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/form2_design.h"

#include <array>

namespace dialnote::form2 {
namespace {

using enum ControlKind;
using enum ReadingOrder;

// The labels are empty until Form_Load writes them; 45 twips is the width of
// an empty label, and each grows from its fixed edge with its text.
constexpr std::array kControls = {
    ControlDesign{.name = "Label5",
                  .kind = kLabel,
                  .left = 3000,
                  .top = 45,
                  .width = 1860,
                  .height = 315,
                  .text = u"دايالنوت ...",
                  .font_points = 12.75,
                  .font_weight = 400,
                  .fore = 16777215,
                  .back = kTransparent,
                  .reading_order = kRightToLeft,
                  .growth = Growth::kToRight},
    ControlDesign{.name = "Label1",
                  .kind = kLabel,
                  .left = 1920,
                  .top = 600,
                  .width = 45,
                  .height = 195,
                  .font_points = 8.25,
                  .font_weight = 700,
                  .fore = 0,
                  .back = kTransparent,
                  .reading_order = kRightToLeft,
                  .growth = Growth::kToLeft},
    ControlDesign{.name = "Label2",
                  .kind = kLabel,
                  .left = 4800,
                  .top = 1650,
                  .width = 45,
                  .height = 195,
                  .font_points = 8.25,
                  .font_weight = 700,
                  .fore = kGreen,
                  .back = kTransparent,
                  .reading_order = kRightToLeft,
                  .growth = Growth::kToLeft},
    ControlDesign{.name = "Label3",
                  .kind = kLabel,
                  .left = 120,
                  .top = 1650,
                  .width = 45,
                  .height = 195,
                  .font_points = 8.25,
                  .font_weight = 700,
                  .fore = 0,
                  .back = kTransparent,
                  .reading_order = kRightToLeft,
                  .growth = Growth::kToRight},
    ControlDesign{.name = "Label4",
                  .kind = kLabel,
                  .left = 120,
                  .top = 1440,
                  .width = 45,
                  .height = 195,
                  .font_points = 8.25,
                  .font_weight = 700,
                  .fore = kRed,
                  .back = kTransparent,
                  .reading_order = kLeftToRight,
                  .growth = Growth::kToRight},
    // An invisible drag area over the whole title strip and past both sides.
    ControlDesign{
        .name = "lbTitleBar", .kind = kImage, .left = -240, .top = 0, .width = 7080, .height = 450},
    ControlDesign{.name = "Skin1",
                  .kind = kSkin,
                  .left = 3960,
                  .top = 480,
                  .width = 420,
                  .height = 420,
                  .visible = false},
    ControlDesign{.name = "Timer1", .kind = kTimer, .interval_ms = 500},
    ControlDesign{.name = "Timer2", .kind = kTimer, .interval_ms = 5000},
    ControlDesign{.name = "Timer3", .kind = kTimer, .interval_ms = 1500},
};

constexpr std::array kAccessibleTexts = {
    AccessibleText{"lbTitleBar", u"نوار عنوان", u"براي جابجا كردن پنجره بكشيد"},
};

}  // namespace

std::span<const AccessibleText> AccessibleTexts() { return kAccessibleTexts; }

std::span<const ControlDesign> Controls() { return kControls; }

const ControlDesign& Control(std::string_view name) { return FindControl(kControls, name); }

}  // namespace dialnote::form2
