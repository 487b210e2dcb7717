// Kept apart: the kernel's termios2, which carries custom rates, clashes with <termios.h>.
#include "board/pseudoterminal.h"

#ifdef __linux__
#include <asm/termbits.h>
#include <sys/ioctl.h>
#else
#include <termios.h>
#endif

namespace board {

int terminalLineRate(int fd)
{
#ifdef __linux__
    termios2 settings{};
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return 0;
    return static_cast<int>(settings.c_ospeed);
#else
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return 0;
    return static_cast<int>(::cfgetospeed(&settings));
#endif
}

} // namespace board
