// Every sound of the bank, synthesised.
#include "datagen/sounds.h"

#include <cmath>

#include "datagen/canvas.h"
#include "datagen/synth.h"

namespace datagen {

namespace {

// An explosion: a bright crack that darkens into a rumble, a low thump and flying debris.
Samples explosion(float seconds, float weight, std::uint32_t seed) {
    const float brightness = 5000.0f - 3000.0f * weight;
    Samples s = lowPass(whiteNoise(seconds, seed), glide(brightness, 120.0f + 80 * (1 - weight), seconds * 0.6f), 0.8f);
    s = shaped(std::move(s), hit(0.004f, seconds * 0.28f));
    add(s, shaped(tone(seconds * 0.6f, glide(90.0f - 40 * weight, 35.0f, seconds * 0.5f)), hit(0.003f, seconds * 0.18f)),
        0.9f + weight);
    add(s, shaped(lowPass(crackle(seconds, 30 + 40 * weight, 0.996f, seed + 1), constant(3000)), hit(0.05f, seconds * 0.3f)),
        0.25f);
    return s;
}

Samples whoosh(float seconds, float from, float peak, float to, std::uint32_t seed) {
    const Curve cutoff = [=](float t) {
        const float u = t / seconds;
        return u < 0.4f ? from + (peak - from) * u / 0.4f : peak + (to - peak) * (u - 0.4f) / 0.6f;
    };
    const Curve swell = [=](float t) {
        const float u = t / seconds;
        return std::sin(3.14159f * std::min(u * 1.4f, 1.0f)) * (1 - u * 0.3f);
    };
    return shaped(bandPass(whiteNoise(seconds, seed), cutoff, 1.8f), swell);
}

// A bell-like tone: a few inharmonic partials that ring out.
Samples bell(float seconds, float hz, float decay) {
    Samples s;
    const float partials[4][2] = {{1.0f, 1.0f}, {2.76f, 0.5f}, {5.4f, 0.25f}, {8.9f, 0.12f}};
    for (const auto& p : partials) add(s, shaped(tone(seconds, constant(hz * p[0])), hit(0.002f, decay / p[0] * 1.5f)), p[1]);
    return s;
}

Samples brass(float seconds, float hz) {
    const Curve vibrato = [=](float t) { return hz * (1.0f + 0.006f * std::sin(2 * 3.14159f * 5.5f * t)); };
    const Curve env = [=](float t) { return std::min(t / 0.03f, 1.0f) * (t > seconds - 0.08f ? (seconds - t) / 0.08f : 1.0f); };
    return shaped(lowPass(tone(seconds, vibrato, 1), constant(hz * 5), 0.9f), env);
}

BankSound fanfare() {
    Samples s;
    const float notes[4] = {392.0f, 523.25f, 659.25f, 783.99f};
    for (int i = 0; i < 4; ++i) add(s, brass(0.18f, notes[i]), 0.5f, 0.16f * i);
    for (float hz : {523.25f, 659.25f, 783.99f, 1046.5f}) add(s, brass(1.2f, hz), 0.35f, 0.7f);
    add(s, shaped(lowPass(whiteNoise(0.3f, 61), constant(6000)), hit(0.002f, 0.05f)), 0.2f, 0.7f);
    return finishSound(SOUND_RESULTS, std::move(s), 0.4f);
}

BankSound rain() {
    // Rain heard on a roof: a dense patter in the low kHz (noise between about 700 Hz and 4 kHz,
    // swelling slowly), single near drops ringing out over it, a soft rumble underneath.
    const float take = 4.6f;
    Samples s = lowPass(lowPass(highPass(whiteNoise(take, 231), constant(700)), constant(3500)), constant(4500));
    s = shaped(std::move(s), [](float t) { return 0.8f + 0.2f * std::sin(t * 1.7f) * std::sin(t * 0.6f + 1.0f); });
    add(s, drops(take, 12, 1200, 4500, 0.006f, 232), 1.5f);
    add(s, drops(take, 45, 1500, 4000, 0.003f, 233), 0.5f);
    add(s, lowPass(lowPass(whiteNoise(take, 234), constant(140)), constant(140)), 1.5f);
    return finishLoop(RAIN_SOUND, s, 4.0f, 0.5f, 0.36f);
}

BankSound snowWind() {
    // Howling wind: band-passed noise whose pitch and strength drift slowly.
    const float take = 6.8f;
    const Curve pitch = [](float t) { return 420.0f + 180.0f * std::sin(t * 1.1f) + 90.0f * std::sin(t * 2.7f + 1.0f); };
    Samples s = bandPass(whiteNoise(take, 241), pitch, 4.0f);
    s = shaped(std::move(s), [](float t) { return 0.65f + 0.35f * std::sin(t * 0.8f + 0.5f); });
    add(s, lowPass(whiteNoise(take, 242), constant(500)), 0.5f);
    return finishLoop(SNOW_SOUND, s, 6.0f, 0.8f, 0.5f);
}

BankSound thunder() {
    // The strike's crack, then the roll: rumbling bursts at uneven gaps, each from further along
    // the bolt, so softer and darker than the one before, dying away over four seconds.
    Samples s = shaped(bandPass(whiteNoise(0.25f, 251), constant(2500), 0.8f), hit(0.002f, 0.04f));
    Random rnd(253);
    std::vector<std::pair<float, float>> bursts;  // start, strength
    for (float at = 0.05f, strength = 1.0f; at < 3.0f; at += rnd.uniform(0.25f, 0.7f), strength *= rnd.uniform(0.7f, 0.95f))
        bursts.emplace_back(at, strength);
    const Curve roll = [bursts](float t) {
        float sum = 0;
        for (const auto& [at, strength] : bursts)
            if (t > at) sum += strength * std::min((t - at) / 0.08f, 1.0f) * std::exp(-(t - at) / 0.3f);
        return sum * std::min((4.0f - t) / 0.8f, 1.0f);
    };
    Samples rumble = lowPass(whiteNoise(4.0f, 252), glide(900, 180, 3.0f), 0.8f);
    add(rumble, lowPass(lowPass(whiteNoise(4.0f, 254), constant(90)), constant(90)), 4.0f);
    add(s, shaped(std::move(rumble), roll), 2.0f, 0.02f);
    return finishSound(THUNDER_SOUND, std::move(s), 0.6f);
}

}  // namespace

std::vector<BankSound> makeSounds() {
    std::vector<BankSound> out;
    // Purchase: a coin and a bright "ka-ching".
    {
        Samples s = bell(0.7f, 1318.5f, 0.12f);
        add(s, bell(0.6f, 1760.0f, 0.18f), 0.9f, 0.07f);
        add(s, shaped(highPass(whiteNoise(0.05f, 21), constant(4000)), hit(0.001f, 0.01f)), 0.4f);
        out.push_back(finishSound(SOUND_BUY, std::move(s), 0.37f));
    }
    // SUPER GRENADE launch: a mortar's thump with a fizzing fuse.
    {
        Samples s = shaped(tone(0.5f, glide(160, 55, 0.25f)), hit(0.002f, 0.12f));
        add(s, shaped(lowPass(whiteNoise(0.5f, 31), glide(3000, 300, 0.3f)), hit(0.002f, 0.08f)), 0.8f);
        add(s, shaped(bandPass(whiteNoise(0.5f, 32), constant(5000)), hit(0.05f, 0.2f)), 0.15f);
        out.push_back(finishSound(SUPER_GRENADE_LAUNCH_SOUND, std::move(s), 0.85f));
    }
    // Grenade bounce: a metallic clunk.
    {
        Samples s = shaped(bandPass(whiteNoise(0.25f, 41), constant(900), 3.0f), hit(0.001f, 0.03f));
        add(s, bell(0.25f, 330, 0.05f), 0.5f);
        out.push_back(finishSound(GRENADE_BOUNCE_SOUND, std::move(s), 0.9f));
    }
    // Ball bounce: a rubbery boing.
    {
        const Curve hz = [](float t) { return 180.0f + 140.0f * std::exp(-t / 0.05f) + 25.0f * std::sin(t * 60.0f); };
        out.push_back(finishSound(BALL_BOUNCE_SOUND, shaped(tone(0.35f, hz, 3), hit(0.002f, 0.09f)), 0.7f));
    }
    out.push_back(fanfare());
    // Bomblet falling: a short descending whistle.
    {
        Samples s = shaped(tone(0.6f, glide(1900, 900, 0.6f)), [](float t) { return std::min(t / 0.08f, 1.0f) * 0.8f; });
        add(s, whoosh(0.6f, 1500, 2500, 1000, 71), 0.3f);
        out.push_back(finishSound(BOMBLET_FALL_SOUND, std::move(s), 0.25f));
    }
    // Missile flight: a rocket's roar rising and passing.
    {
        Samples s = whoosh(1.3f, 400, 2200, 700, 81);
        add(s, shaped(lowPass(whiteNoise(1.3f, 82), constant(250)), [](float t) { return std::exp(-t / 0.6f); }), 0.8f);
        out.push_back(finishSound(MISSILE_FLIGHT_SOUND, std::move(s), 0.45f));
    }
    out.push_back(finishSound(THROW_SOUND, whoosh(0.45f, 700, 1800, 900, 91), 0.55f));
    {
        Samples s = whoosh(0.8f, 300, 1400, 500, 101);
        add(s, shaped(tone(0.8f, glide(120, 60, 0.4f)), hit(0.003f, 0.1f)), 0.5f);
        out.push_back(finishSound(HEAVY_FLIGHT_SOUND, std::move(s), 0.65f));
    }
    // Shield raised: shimmering tones that sweep up.
    {
        Samples s;
        for (float detune : {1.0f, 1.5f, 2.01f}) {
            const Curve hz = [=](float t) { return detune * (260.0f * std::pow(3.0f, std::min(t / 0.6f, 1.0f))); };
            add(s, shaped(tone(1.0f, hz, 3), [](float t) {
                    return std::min(t / 0.1f, 1.0f) * std::exp(-std::max(t - 0.5f, 0.0f) / 0.2f) * (0.7f + 0.3f * std::sin(t * 90));
                }), 0.4f / detune);
        }
        out.push_back(finishSound(SHIELD_SOUND, std::move(s), 0.6f));
    }
    {
        Samples s = shaped(tone(0.5f, glide(500, 200, 0.2f)), hit(0.002f, 0.06f));
        add(s, whoosh(0.5f, 900, 2000, 800, 121), 0.7f, 0.02f);
        out.push_back(finishSound(BALL_FLIGHT_SOUND, std::move(s), 0.6f));
    }
    out.push_back(finishSound(BIG_EXPLOSION_SOUND, explosion(2.2f, 1.0f, 131), 0.95f));
    out.push_back(finishSound(SMALL_EXPLOSION_SOUND, explosion(0.6f, 0.1f, 141), 0.85f));
    out.push_back(finishSound(GRENADE_EXPLOSION_SOUND, explosion(1.2f, 0.5f, 151), 0.85f));
    // GIMLET: a drill biting into rock.
    {
        const Curve hz = [](float t) { return 95.0f + 12.0f * std::sin(t * 23.0f) + 30.0f * std::min(t / 0.3f, 1.0f); };
        Samples s = lowPass(tone(2.0f, hz, 1), constant(1800));
        add(s, bandPass(crackle(2.0f, 200, 0.99f, 161), constant(3000), 1.5f), 0.4f);
        s = shaped(std::move(s), [](float t) { return std::min(t / 0.05f, 1.0f) * (1.0f - 0.3f * t / 2.0f); });
        out.push_back(finishSound(GIMLET_SOUND, std::move(s), 0.4f));
    }
    out.push_back(finishSound(HOVER_SOUND, shaped(tone(0.05f, glide(1100, 1500, 0.05f), 3), hit(0.002f, 0.015f)), 0.7f));
    {
        Samples s = shaped(tone(0.06f, glide(2200, 900, 0.03f)), hit(0.0005f, 0.008f));
        add(s, shaped(tone(0.06f, constant(140)), hit(0.001f, 0.012f)), 0.6f);
        out.push_back(finishSound(CLICK_SOUND, std::move(s), 0.9f));
    }
    // The wall rising: rumble and grinding stone.
    {
        Samples s = lowPass(whiteNoise(1.4f, 191), constant(220), 0.9f);
        add(s, bandPass(crackle(1.4f, 120, 0.995f, 192), constant(1200), 1.2f), 0.7f);
        s = shaped(std::move(s), [](float t) { return std::min(t / 0.3f, 1.0f) * std::exp(-std::max(t - 0.7f, 0.0f) / 0.25f); });
        out.push_back(finishSound(WALL_SOUND, std::move(s), 0.9f));
    }
    out.push_back(finishSound(BALL_EXPLOSION_SOUND, explosion(1.5f, 0.8f, 201), 0.9f));
    out.push_back(finishSound(MISSILE_EXPLOSION_SOUND, explosion(1.3f, 0.6f, 211), 0.9f));
    // Fortress destroyed: a blast, then masonry crumbling for a long while.
    {
        Samples s = explosion(3.0f, 1.0f, 221);
        add(s, shaped(lowPass(crackle(2.6f, 90, 0.997f, 222), constant(1500)), [](float t) { return std::exp(-t / 1.0f); }), 0.5f,
            0.3f);
        out.push_back(finishSound(DESTRUCTION_SOUND, std::move(s), 0.95f));
    }
    out.push_back(rain());
    out.push_back(snowWind());
    out.push_back(thunder());
    return out;
}

}  // namespace datagen
