// PLACEHOLDER until the SDL2_ttf renderer lands: draws nothing.
#include "platform/font.h"

namespace platform {

namespace {
class PlaceholderFont final : public FontRenderer {
public:
    bool open(int) override { return false; }
    void draw(std::uint16_t*, int, int, int, int, int, int, std::string_view, std::uint32_t, bool) override {}
};
}  // namespace

std::unique_ptr<FontRenderer> createTtfFont() { return std::make_unique<PlaceholderFont>(); }

}  // namespace platform
