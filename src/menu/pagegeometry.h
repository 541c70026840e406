#pragma once

// Where the parts of the menu editor page sit. The page keeps a fixed layout: the field panel
// slides down to leave only its top strip in view, and the buffer slides in from beyond the
// page's right edge, the item list giving way to both.
namespace PageGeometry {
constexpr int pageWidth = 653;
constexpr int pageHeight = 638;
constexpr int listLeft = 4;
constexpr int listTop = 40;
constexpr int listWidthAlone = 645;
constexpr int listWidthBesideBuffer = 413;
constexpr int listHeightExpanded = 414;
constexpr int listHeightCollapsed = 566;
constexpr int panelTopExpanded = 456;
constexpr int panelTopCollapsed = 608;
constexpr int bufferLeftHidden = 653;
constexpr int bufferLeftShown = 426;
constexpr int bufferTop = 36;
constexpr int bufferWidth = 225;
constexpr int bufferHeightExpanded = 420;
constexpr int bufferHeightCollapsed = 572;
constexpr int hintLeft = 136;
constexpr int hintTop = 184;
} // namespace PageGeometry
