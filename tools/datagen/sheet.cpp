// The contact sheet: every picture with its file and index, for review.
#include <algorithm>
#include <string>

#include "datagen/font.h"
#include "datagen/generator.h"

namespace datagen {

namespace {

constexpr int SHEET_W = 1600;
constexpr int MAX_CELL_W = 320;
constexpr int GAP = 6;
constexpr int LABEL_H = 11;
constexpr std::uint16_t BACKGROUND = 0x0C63;
constexpr std::uint16_t LABEL = 0x7FE0;  // yellow
constexpr std::uint16_t HEADING = 0x7FFF;

struct Entry {
    std::string label;
    const SpriteImage* image;
};

class Sheet {
public:
    Sheet() { pixels_.assign(static_cast<std::size_t>(SHEET_W) * 64, BACKGROUND); }

    void heading(const std::string& text) {
        newRow();
        text_(text, GAP, y_ + 4, 2, HEADING);
        y_ += 24;
    }

    void add(const Entry& e) {
        const int shrink = std::max(1, (e.image->width + MAX_CELL_W - 1) / MAX_CELL_W);
        const int w = e.image->width / shrink, h = e.image->height / shrink;
        const std::string label = shrink > 1 ? e.label + " /" + std::to_string(shrink) : e.label;
        const int cellW = std::max(w, static_cast<int>(label.size()) * 6) + GAP;
        if (x_ + cellW > SHEET_W) newRow();
        grow(y_ + LABEL_H + h + GAP);
        text_(label, x_, y_, 1, LABEL);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint16_t p = e.image->pixels[static_cast<std::size_t>(y * shrink) * e.image->width + x * shrink];
                const bool light = ((x / 6) + (y / 6)) % 2 == 0;
                at(x_ + x, y_ + LABEL_H + y) = p ? p : (light ? 0x6318 : 0x4A52);
            }
        x_ += cellW;
        rowH_ = std::max(rowH_, LABEL_H + h + GAP);
    }

    SpriteImage finish() {
        newRow();
        SpriteImage out;
        out.width = SHEET_W;
        out.height = static_cast<std::uint16_t>(y_);
        pixels_.resize(static_cast<std::size_t>(SHEET_W) * y_);
        out.pixels = std::move(pixels_);
        return out;
    }

private:
    std::uint16_t& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * SHEET_W + x]; }

    void grow(int height) {
        if (static_cast<std::size_t>(height) * SHEET_W > pixels_.size())
            pixels_.resize(static_cast<std::size_t>(height) * SHEET_W, BACKGROUND);
    }

    void newRow() {
        y_ += rowH_;
        rowH_ = 0;
        x_ = GAP;
        grow(y_ + 32);
    }

    void text_(const std::string& text, int x, int y, int cell, std::uint16_t colour) {
        grow(y + 7 * cell + 1);
        for (std::size_t i = 0; i < text.size(); ++i)
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 5; ++c)
                    if (glyphCell(text[i], r, c))
                        for (int dy = 0; dy < cell; ++dy)
                            for (int dx = 0; dx < cell; ++dx) {
                                const int px = x + (static_cast<int>(i) * 6 + c) * cell + dx;
                                if (px < SHEET_W) at(px, y + r * cell + dy) = colour;
                            }
    }

    std::vector<std::uint16_t> pixels_;
    int x_ = GAP, y_ = 0, rowH_ = 0;
};

}  // namespace

SpriteImage contactSheet(const GeneratedData& data) {
    Sheet sheet;
    const std::vector<SpriteImage> small = data.small.images();
    sheet.heading("SMALL.SPR");
    for (int i = 0; i < static_cast<int>(small.size()); ++i) sheet.add({std::to_string(i), &small[i]});
    sheet.heading("MOUSE.SPR   SMALLF.SPR (24 ALIKE)   ICON");
    sheet.add({"0", &data.startup});
    sheet.add({"F0", &data.tiles.at(0)});
    sheet.add({"ICON", &data.icon});
    for (int set = 0; set < ITEM_SET_COUNT; ++set) {
        sheet.heading("IT" + std::to_string(set + 1) + ".SPR");
        int index = 0;
        for (const SceneryItem& item : data.items[set]) {
            sheet.add({std::to_string(index++), &item.body});
            sheet.add({std::to_string(index++), &item.probeLeft});
            sheet.add({std::to_string(index++), &item.probeRight});
        }
    }
    return sheet.finish();
}

}  // namespace datagen
