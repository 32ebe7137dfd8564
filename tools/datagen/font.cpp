#include "datagen/font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace datagen {

namespace {

struct Glyph {
    char c;
    std::array<const char*, 7> rows;
};

// Our own glyphs: '#' marks a cell.
constexpr Glyph GLYPHS[] = {
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "#####"}},
    {'J', {"  ###", "    #", "    #", "    #", "#   #", "#   #", " ### "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#### ", "    #", "    #", " ### ", "    #", "    #", "#### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {" ### ", "#    ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "    #", " ### "}},
    {'!', {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "}},
    {'?', {" ### ", "#   #", "    #", "   # ", "  #  ", "     ", "  #  "}},
    {'.', {"     ", "     ", "     ", "     ", "     ", "     ", "  #  "}},
    {':', {"     ", "  #  ", "  #  ", "     ", "  #  ", "  #  ", "     "}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {'$', {"  #  ", " ####", "# #  ", " ### ", "  # #", "#### ", "  #  "}},
    {'/', {"    #", "    #", "   # ", "  #  ", " #   ", "#    ", "#    "}},
    {'>', {"#    ", " #   ", "  #  ", "   # ", "  #  ", " #   ", "#    "}},
    {' ', {"     ", "     ", "     ", "     ", "     ", "     ", "     "}},
};

const Glyph& glyphFor(char c) {
    for (const Glyph& g : GLYPHS)
        if (g.c == c) return g;
    return GLYPHS[std::size(GLYPHS) - 1];
}

}  // namespace

bool glyphCell(char c, int row, int column) { return glyphFor(c).rows[row][column] == '#'; }

float textWidth(std::string_view text, float cell) {
    return text.empty() ? 0.0f : (static_cast<float>(text.size()) * 6.0f - 1.0f) * cell;
}

Sdf textShape(std::string_view text, float x, float y, float cell) {
    // The lit cells as a grid, so that a query looks at its neighbourhood only.
    const int cols = static_cast<int>(text.size()) * 6;
    auto grid = std::make_shared<std::vector<char>>(static_cast<std::size_t>(cols) * 7, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& g = glyphFor(text[i]);
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 5; ++c)
                if (g.rows[r][c] == '#') (*grid)[static_cast<std::size_t>(r) * cols + i * 6 + c] = 1;
    }
    return [=](float px, float py) {
        const float u = (px - x) / cell, v = (py - y) / cell;
        const int cu = static_cast<int>(std::floor(u)), cv = static_cast<int>(std::floor(v));
        float best = 1e9f;
        for (int j = cv - 2; j <= cv + 2; ++j)
            for (int i = cu - 2; i <= cu + 2; ++i) {
                if (i < 0 || j < 0 || i >= cols || j >= 7 || !(*grid)[static_cast<std::size_t>(j) * cols + i]) continue;
                const float qx = std::abs(u - (i + 0.5f)) - 0.55f, qy = std::abs(v - (j + 0.5f)) - 0.55f;
                const float d = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f);
                best = std::min(best, d);
            }
        return best * cell;
    };
}

void drawLabel(Canvas& canvas, std::string_view text, float cx, float cy, float cell, const Paint& paint,
               float outlineWidth) {
    // Whole-pixel corners keep the cells crisp.
    const float x = std::round(cx - textWidth(text, cell) * 0.5f), y = std::round(cy - 3.5f * cell);
    // The outline grows outwards so that thin letters keep their fill.
    const float margin = outlineWidth + 2;
    canvas.fill(grow(textShape(text, x, y, cell), outlineWidth), paint, outlineWidth, OUTLINE, 1.0f,
                {x - margin, y - margin, x + textWidth(text, cell) + margin, y + 7 * cell + margin});
}

}  // namespace datagen
