// SPDX-License-Identifier: GPL-3.0-or-later
// Form2's design values: the window and every control, in twips.
#pragma once

#include <QSize>
#include <span>
#include <string_view>

#include "window_kit/form_design.h"

namespace dialnote::form2 {

inline constexpr int kClientWidth = 4980;   // twips: 332 pixels
inline constexpr int kClientHeight = 1950;  // twips: 130 pixels
inline constexpr QSize ClientSize() {
  return {TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight)};
}

// `trancolor` of Skin1: #00FFFF.
inline constexpr OleColor kTrancolor = 16776960;

// Label2's two colours: it starts green and blinks red.
inline constexpr OleColor kGreen = 32768;  // #008000
inline constexpr OleColor kRed = 255;      // #FF0000

// The pieces of the version line in Label1.
inline constexpr std::u16string_view kVersionWord = u"نسخه :";
inline constexpr std::u16string_view kVersionPlaceholder = u" . . . ";

// Every control, in creation order: a control created later lies on top of
// one created earlier where they overlap.
std::span<const ControlDesign> Controls();
const ControlDesign& Control(std::string_view name);

// What assistive technology announces for the window and its title strip.
inline constexpr std::u16string_view kAccessibleName = u"دايالنوت";
std::span<const AccessibleText> AccessibleTexts();

}  // namespace dialnote::form2
