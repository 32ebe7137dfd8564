#include <memory>
#include <vector>

#include "audio/sound_bank_writer.h"
#include "audio/sound_system.h"
#include "battle/turns.h"
#include "weapons_test_support.h"

namespace {

// A world with every sound id of the weapon table loaded into the headless mixer.
class WeaponSounds : public WeaponsWorld {
protected:
    void SetUp() override {
        WeaponsWorld::SetUp();
        soundSystem.attach(*mixer);
        soundSystem.SetPrimaryFormat(44100, 16, 2);
        std::vector<BankSound> bank;
        for (int id = 1; id <= 30; ++id)
            bank.push_back({id, 1, 10000, 8, 0, std::vector<std::uint8_t>(2000, 128)});
        ASSERT_EQ(soundSystem.LoadSoundBankData(encodeSoundBank(bank), 11), 1);
    }
    void TearDown() override { soundSystem.attach(silent); }

    int plays(int id) const { return mixer->playCounts()[id]; }

    std::unique_ptr<platform::VirtualMixer> mixer = platform::createVirtualMixer();
    platform::SilentAudio silent;
};

TEST_F(WeaponSounds, FlightLaunchAndExplosionSoundsPlayAtTheirEvents) {
    const WeaponSpec& kindRow = weaponSpecs[4];  // SUPER GRENADE: all three
    spawnProjectile(4, 3, 700, -3000, 0, 0, 10);
    EXPECT_EQ(plays(kindRow.flightSound), 1);
    EXPECT_EQ(plays(kindRow.launchSound), 0);
    frames(6);  // two ticks: launchTicks 1 is exceeded at the second
    EXPECT_EQ(plays(kindRow.launchSound), 1);
    projectiles[0].state = HIT;
    frames(3);
    EXPECT_EQ(plays(kindRow.explosionSound), 1);
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(WeaponSounds, EveryBounceSoundsAndTheShieldHasItsOwn) {
    fillGround(600, WORLD_HEIGHT);
    spawnProjectile(3, 2, 700, 560, 0, 6, 10);
    int bounces = 0;
    for (int f = 0; f < 20; ++f) {
        const float before = projectiles[0].vy;
        frame();
        if (before > 0 && projectiles[0].vy < 0) ++bounces;
    }
    EXPECT_GE(bounces, 1);
    EXPECT_EQ(plays(weaponSpecs[3].bounceSound), bounces);

    players[0].ammo[6] = 1;
    selectedWeapon = 6;
    launchShot(0, 0);
    EXPECT_EQ(plays(11), 1);
}

}  // namespace
