// ramparo_sound_sheet OUT.png [ID...]: draws the sound sheet of the generated sound bank (or of
// the given ids only, for a closer look).
// ramparo_sound_sheet --table: prints each sound's measures as a Markdown table instead.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "datagen/sounds.h"
#include "platform/png.h"
#include "soundreview/measure.h"
#include "soundreview/sound_checks.h"
#include "soundreview/sound_kinds.h"
#include "soundreview/sound_sheet.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: ramparo_sound_sheet OUT.png [ID...] | --table\n");
        return 2;
    }
    std::vector<BankSound> sounds = datagen::makeSounds();
    if (argc > 2)
        std::erase_if(sounds, [&](const BankSound& s) {
            return std::none_of(argv + 2, argv + argc, [&](const char* id) { return std::atoi(id) == s.id; });
        });
    if (std::string(argv[1]) == "--table") {
        std::printf("| Id | Sound | Kind | Length (s) | Loudness (LUFS) | True peak (dBTP) | Centroid (Hz) | Seam jump / bend |\n");
        std::printf("|---|---|---|---|---|---|---|---|\n");
        for (const BankSound& s : sounds) {
            const soundreview::Measures m = soundreview::measure(s);
            const soundreview::SoundInfo* info = soundreview::soundInfo(s.id);
            std::printf("| %d | %s | %s | %.2f | %.1f | %.1f | %.0f |", s.id, info ? info->name : "?",
                        info ? soundreview::kindName(info->kind) : "?", m.seconds, m.loudness, m.truePeakDb, m.centroidHz);
            if (s.loop) std::printf(" %.4f / %.4f |\n", m.seamJump, m.seamBend);
            else std::printf(" |\n");
            for (const std::string& e : soundreview::checkSound(s, m)) std::fprintf(stderr, "%s\n", e.c_str());
        }
        return 0;
    }
    const SpriteImage sheet = soundreview::soundSheet(sounds);
    if (!platform::savePng(argv[1], {sheet.pixels.data(), sheet.width, sheet.height, sheet.width}, 1)) {
        std::fprintf(stderr, "ramparo_sound_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
