// Pictures compiled into the program: the ending's title card, window
// lettering and the little battle and shop icons. All of them are drawn at
// twice their on-screen size so they stay crisp on high-DPI displays. The
// lettering is drawn once more at its on-screen size: shrunk from the large
// drawing, outline and rim run into the letters ("tt" reads "ii").
#include "ui.h"

namespace art {

std::vector<UiPicture> uiPictures() {
    const QColor nameTop(0x9a, 0xf4, 0xff), nameBot(0x1a, 0x7a, 0xe0);
    const QColor hpTop(0xc8, 0xff, 0x90), hpBot(0x2a, 0xa8, 0x3a);
    const QColor atkTop(0xff, 0xc8, 0x90), atkBot(0xe8, 0x32, 0x28);
    const QColor defTop(0xb8, 0xdc, 0xff), defBot(0x2a, 0x58, 0xd8);
    const QColor gTop(0xff, 0xf8, 0x90), gBot(0xe8, 0x9a, 0x10);
    const QColor spdTop(0xff, 0xc8, 0xea), spdBot(0xe0, 0x40, 0x9a);
    // The allocation rows group by colour: blue for HP and attacks,
    // orange for defences, pink for speed.
    const QColor blueTop(0xb0, 0xe0, 0xff), blueBot(0x1a, 0x62, 0xe0);
    const QColor orangeTop(0xff, 0xe0, 0x90), orangeBot(0xf0, 0x7a, 0x10);
    const QColor pinkTop(0xff, 0xd0, 0xee), pinkBot(0xe8, 0x48, 0xa8);
    return {
        // Lettering: at its on-screen size, and at twice that for high-DPI
        // screens (the toolkit picks the "@2x" file there).
        {"status_name.png", 121, 33, smallStatusWord("NAME", nameTop, nameBot)},
        {"status_hp.png", 73, 33, smallStatusWord("HP", hpTop, hpBot)},
        {"status_attack_a.png", 168, 33, smallStatusWord("Attack A", atkTop, atkBot)},
        {"status_attack_b.png", 168, 33, smallStatusWord("Attack B", atkTop, atkBot)},
        {"status_defence_a.png", 168, 33, smallStatusWord("Defence A", defTop, defBot)},
        {"status_defence_b.png", 168, 33, smallStatusWord("Defence B", defTop, defBot)},
        {"status_g.png", 64, 33, smallStatusWord("G", gTop, gBot)},
        {"status_speed.png", 81, 33, smallStatusWord("Speed", spdTop, spdBot)},
        {"status_equipment.png", 89, 73, smallEquipmentLabel},
        {"alloc_hp.png", 89, 25, smallAllocWord("HP", blueTop, blueBot)},
        {"alloc_attack_a.png", 89, 25, smallAllocWord("Attack A", blueTop, blueBot)},
        {"alloc_attack_b.png", 89, 25, smallAllocWord("Attack B", blueTop, blueBot)},
        {"alloc_defence_a.png", 89, 25, smallAllocWord("Defence A", orangeTop, orangeBot)},
        {"alloc_defence_b.png", 89, 25, smallAllocWord("Defence B", orangeTop, orangeBot)},
        {"alloc_speed.png", 89, 25, smallAllocWord("Speed", pinkTop, pinkBot)},
        {"status_name@2x.png", 242, 66, statusWord("NAME", nameTop, nameBot)},
        {"status_hp@2x.png", 146, 66, statusWord("HP", hpTop, hpBot)},
        {"status_attack_a@2x.png", 336, 66, statusWord("Attack A", atkTop, atkBot)},
        {"status_attack_b@2x.png", 336, 66, statusWord("Attack B", atkTop, atkBot)},
        {"status_defence_a@2x.png", 336, 66, statusWord("Defence A", defTop, defBot)},
        {"status_defence_b@2x.png", 336, 66, statusWord("Defence B", defTop, defBot)},
        {"status_g@2x.png", 128, 66, statusWord("G", gTop, gBot)},
        {"status_speed@2x.png", 162, 66, statusWord("Speed", spdTop, spdBot)},
        {"status_equipment@2x.png", 178, 146, equipmentLabel},
        {"alloc_hp@2x.png", 178, 50, allocWord("HP", blueTop, blueBot)},
        {"alloc_attack_a@2x.png", 178, 50, allocWord("Attack A", blueTop, blueBot)},
        {"alloc_attack_b@2x.png", 178, 50, allocWord("Attack B", blueTop, blueBot)},
        {"alloc_defence_a@2x.png", 178, 50, allocWord("Defence A", orangeTop, orangeBot)},
        {"alloc_defence_b@2x.png", 178, 50, allocWord("Defence B", orangeTop, orangeBot)},
        {"alloc_speed@2x.png", 178, 50, allocWord("Speed", pinkTop, pinkBot)},
        {"battle_attack.png", 64, 64, icon(fistIcon, kCool)},
        {"battle_defence.png", 64, 74, icon(shieldIcon, kCool)},
        {"battle_speed.png", 64, 64, icon(shoeIcon, kCool)},
        {"battle_enemy_attack.png", 64, 64, icon(fistIcon, kWarm)},
        {"battle_enemy_defence.png", 64, 74, icon(shieldIcon, kWarm)},
        {"battle_enemy_speed.png", 64, 64, icon(shoeIcon, kWarm)},
        {"power_image1.png", 302, 142, powerPicture},
    };
}

} // namespace art
