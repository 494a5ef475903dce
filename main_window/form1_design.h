// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's design values: the window and every control, in twips.
#pragma once

#include <QSize>
#include <array>
#include <span>
#include <string_view>

#include "window_kit/form_design.h"

namespace dialnote::form1 {

inline constexpr std::u16string_view kCaption = u"دايالنوت";
inline constexpr int kClientWidth = 5220;   // twips: 348 pixels
inline constexpr int kClientHeight = 6435;  // twips: 429 pixels
inline constexpr QSize ClientSize() {
  return {TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight)};
}

// Every control, in creation order: a control created later lies on top of
// one created earlier where they overlap.
std::span<const ControlDesign> Controls();
const ControlDesign& Control(std::string_view name);

// Focus moves in this order with the Tab key, and back to the first.
inline constexpr std::array<std::string_view, 8> kTabOrder = {
    "Text1", "List1", "cmdexit", "cmdabout", "Command1", "Command2", "Text2", "web"};

// The caption of the local IP line; the address follows the final space.
inline constexpr std::u16string_view kIpCaption = u"آي پي شما : ";

// What assistive technology announces for each control a user works with.
std::span<const AccessibleText> AccessibleTexts();

// The about box's title.
inline constexpr std::u16string_view kAboutTitle = u"Dialnote ( دايالنوت )";

}  // namespace dialnote::form1
