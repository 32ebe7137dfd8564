// Every picture of the `raznoe` table ("small.spr"), named once: the data generator draws them
// under these names and the game shows them under the same ones. A range is its first picture
// and, where it is walked through, its last or its length. The weapons' own pictures (flight,
// launch, explosion, icon) are numbered here too and used by their rows in core/weapons.h.
#pragma once

// The screens and the battle's canvases.
constexpr int STARTUP_IMAGE = 0;  // the start-up picture, later the panel canvas of the screens
constexpr int LANDSCAPE_IMAGE = 1;
constexpr int PANEL_TEXTURE = 465;
constexpr int TERRAIN_IMAGE = 495;
constexpr int SMALL_PICTURE_COUNT = 496;  // 0..495

// Fortresses.
constexpr int FORTRESS_IMAGE = 2;  // intact (also the set-up's colour button and under the shop's banner)
constexpr int FORTRESS_BACK_IMAGE = 3;  // drawn behind every fortress
constexpr int FORTRESS_TOP_PROBE = 4;
constexpr int FORTRESS_GROUND_PROBE = 5;  // 5..8
constexpr int FORTRESS_GROUND_PROBES = 4;
constexpr int FORTRESS_PICTURE = 9;     // 9 + player: the picture explosions erase
constexpr int FIRST_BANNER_IMAGE = 37;  // 37 + BANNER_FRAMES * colour + frame
constexpr int BANNER_FRAMES = 10;
constexpr int BANNER_COLOURS = 5;
constexpr int FIRST_SHIELD_IMAGE = 239;  // ..248
constexpr int LAST_SHIELD_IMAGE = 248;
constexpr int FIRST_THINK_IMAGE = 450;  // the computer's gear, ..454
constexpr int LAST_THINK_IMAGE = 454;

// Pointer and probes.
constexpr int POINTER_IMAGE = 14;
constexpr int POINTER_HIT_IMAGE = 15;
constexpr int CRATE_PROBE_IMAGE = 425;

// The battle's bar and marks.
constexpr int POWER_BAR_IMAGE = 93;
constexpr int POWER_BAR_EMPTY = 103;
constexpr int WEAPON_SLOT_IMAGE = 104;   // a slot of the weapon bar
constexpr int FIRST_MARKER_IMAGE = 347;  // the direct missile's target, ..356
constexpr int LAST_MARKER_IMAGE = 356;
constexpr int FIRST_CRATE_IMAGE = 385;  // 385 + CRATE_FRAMES * (crate kind - 1) + frame
constexpr int CRATE_FRAMES = 20;
constexpr int CRATE_KINDS = 2;
constexpr int FIRST_WAIT_IMAGE = 426;  // the battle set-up's animation, ..436
constexpr int LAST_WAIT_IMAGE = 436;
constexpr int WAIT_PICTURE = 437;

// Scenery (one per scenery look).
constexpr int FIRST_GROUND_STRIP = 87;     // 87..91
constexpr int FIRST_GROUND_TEXTURE = 142;  // 142..146
constexpr int SCENERY_LOOKS = 5;

// Weather.
constexpr int RAIN_FRONT_IMAGE = 467;  // each front picture's back one follows it
constexpr int RAIN_WIND_FRONT_IMAGE = 469;
constexpr int SNOW_FRONT_IMAGE = 471;
constexpr int LIGHT_CLOUD_IMAGE = 473;  // 473..483
constexpr int DARK_CLOUD_IMAGE = 484;   // 484..494
constexpr int CLOUD_FRAMES = 11;

// Menus, set-up and shop.
constexpr int MENU_BACKGROUND_IMAGE = 384;
constexpr int COMPUTER_BUTTON_IMAGE = 438;
constexpr int HUMAN_BUTTON_IMAGE = 439;
constexpr int PLAY_BUTTON_IMAGE = 440;
constexpr int SHOP_BACKGROUND = 441;
constexpr int SHOP_SLOT_IMAGE = 442;
constexpr int SELECTED_SLOT_IMAGE = 443;
constexpr int PANEL_FRAME = 444;
constexpr int FIRST_MENU_ITEM_IMAGE = 446;  // 446..448
constexpr int MENU_ITEMS = 3;
constexpr int PANEL_TILE = 449;
constexpr int NEXT_AT_REST = 455;  // the NEXT button; 456..464 its run after a click
constexpr int NEXT_LAST_FRAME = 464;
constexpr int PRESS_A_KEY_IMAGE = 466;

// The weapons' pictures. A turning flight picture is a base: base + d for direction d (1..36).
constexpr int DIRECTIONS = 36;
constexpr int MISSILE_FLIGHT_BASE = 105;  // 106..141
constexpr int MISSILE_ICON = 106;
constexpr int BIG_MISSILE_FLIGHT_BASE = 146;  // 147..182
constexpr int BIG_MISSILE_LAUNCH = 380;       // 380..383
constexpr int BIG_MISSILE_ICON = 382;
constexpr int GRENADE_IMAGE = 183;               // 183..202, spinning
constexpr int DIRECT_MISSILE_FLIGHT_BASE = 202;  // 203..238
constexpr int DIRECT_MISSILE_LAUNCH = 357;       // 357..360
constexpr int DIRECT_MISSILE_ICON = 358;
constexpr int GROUND_DEFENSE_LAUNCH = 249;  // 249..258
constexpr int GROUND_DEFENSE_ICON = 250;
constexpr int BRICK_BLOCK_IMAGE = 259;
constexpr int WALL_RISE_IMAGE = 260;  // 260..269, then the wall 270
constexpr int WALL_IMAGE = 270;
constexpr int BALL_GRENADE_IMAGE = 271;   // 271..290, spinning
constexpr int BALL_GRENADE_LAUNCH = 361;  // 361..364
constexpr int BALL_GRENADE_ICON = 362;
constexpr int GIMLET_FLIGHT_BASE = 290;  // 291..326
constexpr int GIMLET_ICON = 291;
constexpr int SUPER_GRENADE_IMAGE = 327;  // 327..346, spinning
constexpr int HYPER_TUBE_IMAGE = 365;     // 365..374
constexpr int HYPER_TUBE_LAUNCH = 375;    // 375..378
constexpr int HYPER_TUBE_ICON = 376;
constexpr int BOMBLET_IMAGE = 379;
constexpr int DEFENSE_ICON = 445;
constexpr int SPIN_FRAMES = 20;  // the pictures of a spinning projectile
constexpr int LAUNCH_FRAMES = 4;

// Explosions: 16..35, each weapon's starts where its row says.
constexpr int FIRST_EXPLOSION_IMAGE = 16;
constexpr int LAST_EXPLOSION_IMAGE = 35;
constexpr int SMALL_EXPLOSION = 16;
constexpr int DIRECT_EXPLOSION = 18;
constexpr int GRENADE_EXPLOSION = 22;
constexpr int BIG_EXPLOSION = 25;
constexpr int BALL_EXPLOSION = 28;
constexpr int SUPER_EXPLOSION = 30;
