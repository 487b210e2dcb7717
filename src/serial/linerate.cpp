// The kernel's termios2 carries any rate, not only the standard ones; its header cannot share a
// translation unit with <termios.h>.
#include "serial/linerate.h"

#include <asm/termbits.h>
#include <cstdlib>
#include <sys/ioctl.h>

namespace serial {

std::optional<int> actualBaudRate(int descriptor)
{
    termios2 line{};
    if (::ioctl(descriptor, TCGETS2, &line) != 0 || line.c_ospeed == 0)
        return std::nullopt;
    return static_cast<int>(line.c_ospeed);
}

bool rateClose(int asked, int set)
{
    return asked > 0 && std::abs(set - asked) * 50 <= asked;
}

} // namespace serial
