#pragma once

#include <string>

namespace board {

// A pseudo-terminal in raw mode: the board reads and writes its master side, and a serial
// program opens the slave path as it would open a serial port.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool open(std::string *error);
    void close();

    int master() const { return m_master; }
    const std::string &slavePath() const { return m_slavePath; }
    // The rate the program on the slave side has set, in baud; 0 when it cannot be read.
    int lineRate() const;

private:
    int m_master = -1;
    // Held open so that the master never sees a hang-up while no program has the port open,
    // and so that the raw settings stay. Never read: what arrives belongs to that program.
    int m_slave = -1;
    std::string m_slavePath;
};

// The line rate of a terminal, custom rates such as 56000 included; 0 when it cannot be read.
int terminalLineRate(int fd);

} // namespace board
