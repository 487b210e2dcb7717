#pragma once

#include "board/lcd.h"

namespace board {

// The screen the firmware shows at power-on, until the first command draws over it.
void drawLogo(Lcd &lcd);

} // namespace board
