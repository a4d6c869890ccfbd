// The vibration graph as an SVG document, written straight from its drawing
// list: a saved vector picture that looks as the graph on the screen does, on
// every platform, without a vector-graphics library.
#pragma once

#include "mechanics/vibration_drawing.h"

#include <string>
#include <string_view>

namespace mechanics {

// The drawing area and the labels' face, in pixels.
struct SvgCanvas {
    int width = 0;
    int height = 0;
    std::string font_family; // a viewer without it draws the labels in its sans-serif
    int font_pixels = 12;
    int ascent = 10; // from a label's top to its baseline
};

// The operations played on a white canvas from the state of a fresh surface
// (line width 1, pixel units, the position at the origin), placed as the
// surface places them at one device pixel per pixel: axes on whole pixels,
// the curve as one smoothed line per run of colour and width, each label's
// top-left corner on a whole pixel with its blanks kept.
std::string svg_document(const Drawing &drawing, const SvgCanvas &canvas);

// `text` with XML's special characters written as entities.
std::string xml_escaped(std::string_view text);

} // namespace mechanics
