#include "soundreview/sound_checks.h"

#include <cstdio>

#include "soundreview/sound_kinds.h"

namespace soundreview {

namespace {

std::string line(const BankSound& sound, const char* pattern, double a, double b) {
    char buf[160];
    std::snprintf(buf, sizeof buf, pattern, a, b);
    return "id " + std::to_string(sound.id) + ": " + buf;
}

}  // namespace

std::vector<std::string> checkSound(const BankSound& sound, const Measures& m) {
    std::vector<std::string> out;
    const SoundInfo* info = soundInfo(sound.id);
    if (!info) return {"id " + std::to_string(sound.id) + ": not a sound the game plays"};
    if (m.peak >= 32767.0 / 32768 || m.truePeakDb > TRUE_PEAK_LIMIT)
        out.push_back(line(sound, "clips (sample peak %.4f, true peak %.2f dBTP)", m.peak, m.truePeakDb));
    const LoudnessWindow w = loudnessWindow(info->kind);
    if (!(m.loudness >= w.low && m.loudness <= w.high))
        out.push_back(line(sound, "loudness %.1f LUFS outside its kind's window", m.loudness, 0) + " " + kindName(info->kind));
    if (sound.loop) {
        if (m.seamJump > SEAM_LIMIT || m.seamJump > SEAM_TYPICAL * m.typicalStep)
            out.push_back(line(sound, "the loop jumps by %.4f where it wraps (typical step %.4f)", m.seamJump, m.typicalStep));
        if (m.seamBend > SEAM_TYPICAL * m.typicalBend)
            out.push_back(line(sound, "the loop bends by %.4f where it wraps (typical %.4f)", m.seamBend, m.typicalBend));
    } else {
        // A one-shot starts and ends at silence and fades over a few ms, or it clicks.
        if (m.edgeStart > EDGE_FADE * m.peak || m.edgeEnd > EDGE_FADE * m.peak)
            out.push_back(line(sound, "no fade at its start or end (%.4f, %.4f in the edge ms)", m.edgeStart, m.edgeEnd));
        if (m.first > EDGE_LIMIT || m.last > EDGE_LIMIT)
            out.push_back(line(sound, "starts or ends away from silence (%.4f, %.4f)", m.first, m.last));
    }
    return out;
}

}  // namespace soundreview
