// The game font through SDL2_ttf: the face is looked up with fontconfig, sized by its cell height,
// and rendered with anti-aliasing; each glyph pixel is blended onto the 16-bit picture by its
// coverage, and uncovered pixels are left alone.
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "platform/font.h"

namespace platform {

namespace {

// A cell height of 0 asks for the face's default size.
constexpr int DEFAULT_POINT_SIZE = 16;
constexpr int LARGEST_POINT_SIZE = 400;

bool ttfReady() {
    static const bool ready = TTF_Init() == 0;
    return ready;
}

// Our own fontconfig configuration, released at exit (the library's implicit default one is not).
FcConfig* fontConfig() {
    struct Holder {
        FcConfig* config = FcInitLoadConfigAndFonts();
        ~Holder() {
            if (config) FcConfigDestroy(config);
        }
    };
    static Holder holder;
    return holder.config;
}

struct Face {
    std::string file;
    bool bold = false;
};

// The file fontconfig picks for pattern, if its family is one of families (fontconfig always
// answers with something, and a wrong family must not pass for the one asked for); an empty
// families list takes whatever it picks.
Face findFace(const char* pattern, std::initializer_list<const char*> families) {
    Face face;
    FcConfig* config = fontConfig();
    if (!config) return face;
    FcPattern* query = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (!query) return face;
    FcConfigSubstitute(config, query, FcMatchPattern);
    FcDefaultSubstitute(query);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, query, &result);
    FcPatternDestroy(query);
    if (!match) return face;
    FcChar8* family = nullptr;
    FcChar8* file = nullptr;
    int weight = 0;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
        FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        (families.size() == 0 || std::any_of(families.begin(), families.end(), [&](const char* wanted) {
            return std::string(reinterpret_cast<char*>(family)) == wanted;
        }))) {
        face.file = reinterpret_cast<char*>(file);
        face.bold =
            FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch && weight >= FC_WEIGHT_BOLD;
    }
    FcPatternDestroy(match);
    return face;
}

Face gameFace() {
    Face face = findFace("Arial:bold", {"Arial", "Liberation Sans", "Arimo"});
    if (face.file.empty()) face = findFace("DejaVu Sans:bold", {"DejaVu Sans"});
    if (face.file.empty()) face = findFace("sans-serif:bold", {});
    return face;
}

// Components of the 16-bit layout: shifts and widths of red, green and blue.
struct Layout {
    int redShift, greenShift, greenBits;
};

Layout layoutOf(int pixelFormat) { return pixelFormat == 2 ? Layout{11, 5, 6} : Layout{10, 5, 5}; }

int blend(int over, int under, int alpha) { return (over * alpha + under * (255 - alpha) + 127) / 255; }

class TtfFont final : public FontRenderer {
public:
    ~TtfFont() override { close(); }

    bool open(int cellHeight) override {
        close();
        if (!ttfReady()) return false;
        const Face face = gameFace();
        if (face.file.empty()) return false;
        font_ = TTF_OpenFont(face.file.c_str(), DEFAULT_POINT_SIZE);
        if (!font_) return false;
        if (!face.bold) TTF_SetFontStyle(font_, TTF_STYLE_BOLD);
        if (cellHeight > 0) TTF_SetFontSize(font_, pointSizeFor(cellHeight));
        return true;
    }

    void draw(std::uint16_t* pixels, int width, int height, int pitch, int pixelFormat, int x, int y,
              std::string_view text, std::uint32_t color, bool centered) override {
        if (!font_ || !pixels) return;
        const std::string line(text.substr(0, text.find('\0')));
        if (line.empty()) return;
        SDL_Surface* glyphs = TTF_RenderText_Blended(font_, line.c_str(), SDL_Color{255, 255, 255, 255});
        if (!glyphs) return;
        const int left = centered ? x - glyphs->w / 2 : x;
        const Layout layout = layoutOf(pixelFormat);
        const int greenMask = (1 << layout.greenBits) - 1;
        const int red = (color & 0xFF) >> 3;
        const int green = ((color >> 8) & 0xFF) >> (8 - layout.greenBits);
        const int blue = ((color >> 16) & 0xFF) >> 3;

        // Only the part of the rendered line that falls on the picture.
        const int fromX = std::max(0, -left);
        const int toX = std::min(glyphs->w, width - left);
        const int fromY = std::max(0, -y);
        const int toY = std::min(glyphs->h, height - y);
        for (int row = fromY; row < toY; ++row) {
            const auto* coverage =
                reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(glyphs->pixels) +
                                                       static_cast<std::ptrdiff_t>(row) * glyphs->pitch);
            std::uint16_t* out = pixels + static_cast<std::ptrdiff_t>(y + row) * pitch;
            for (int col = fromX; col < toX; ++col) {
                const int alpha = static_cast<int>(coverage[col] >> 24);
                if (alpha == 0) continue;
                std::uint16_t& target = out[left + col];
                const int under = target;
                const int r = blend(red, (under >> layout.redShift) & 0x1F, alpha);
                const int g = blend(green, (under >> layout.greenShift) & greenMask, alpha);
                const int b = blend(blue, under & 0x1F, alpha);
                target = static_cast<std::uint16_t>((r << layout.redShift) | (g << layout.greenShift) | b);
            }
        }
        SDL_FreeSurface(glyphs);
    }

private:
    // The largest point size whose cell (ascent + descent) is not taller than cellHeight; cell
    // heights grow with the point size, so the first one that reaches it is the answer.
    int pointSizeFor(int cellHeight) {
        int best = 1;
        for (int size = 1; size <= LARGEST_POINT_SIZE; ++size) {
            TTF_SetFontSize(font_, size);
            if (TTF_FontHeight(font_) > cellHeight) break;
            best = size;
        }
        return best;
    }

    void close() {
        if (font_) TTF_CloseFont(font_);
        font_ = nullptr;
    }

    TTF_Font* font_ = nullptr;
};

}  // namespace

std::unique_ptr<FontRenderer> createTtfFont() { return std::make_unique<TtfFont>(); }

std::string gameFontFile() { return gameFace().file; }

}  // namespace platform
