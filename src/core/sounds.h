// Every sound of the sound bank ("sound.sdf"), named once: the data generator synthesises each
// under its name and the game plays it under the same one. 0 means no sound.
#pragma once

constexpr int NO_SOUND = 0;
constexpr int SOUND_BUY = 2;
constexpr int SUPER_GRENADE_LAUNCH_SOUND = 3;
constexpr int GRENADE_BOUNCE_SOUND = 4;
constexpr int BALL_BOUNCE_SOUND = 5;
constexpr int SOUND_RESULTS = 6;
constexpr int BOMBLET_FALL_SOUND = 7;
constexpr int MISSILE_FLIGHT_SOUND = 8;
constexpr int THROW_SOUND = 9;
constexpr int HEAVY_FLIGHT_SOUND = 10;
constexpr int SHIELD_SOUND = 11;
constexpr int BALL_FLIGHT_SOUND = 12;
constexpr int BIG_EXPLOSION_SOUND = 13;
constexpr int SMALL_EXPLOSION_SOUND = 14;
constexpr int GRENADE_EXPLOSION_SOUND = 15;
constexpr int GIMLET_SOUND = 16;
constexpr int HOVER_SOUND = 17;
constexpr int CLICK_SOUND = 18;
constexpr int WALL_SOUND = 19;
constexpr int BALL_EXPLOSION_SOUND = 20;
constexpr int MISSILE_EXPLOSION_SOUND = 21;
constexpr int DESTRUCTION_SOUND = 22;
constexpr int RAIN_SOUND = 23;  // loops
constexpr int SNOW_SOUND = 24;  // loops
constexpr int THUNDER_SOUND = 25;

// The sounds the bank holds: FIRST_SOUND..LAST_SOUND, every one of them.
constexpr int FIRST_SOUND = SOUND_BUY;
constexpr int LAST_SOUND = THUNDER_SOUND;
