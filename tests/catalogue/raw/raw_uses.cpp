// Raw numbers where the catalogue's names belong: the catalogue check must name these lines.
void drawSlot() { DrawImage(backBuffer, raznoe[442], 0, 0); }
void click() { playSoundEffect(18); }
void shoot(int weapon) { spawnProjectile(weapon + 1, weapon, 0, 0, 0, 0, 0); }
constexpr int FORTRESS_IMAGE = 9;
