#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// Splits UTF-8 text into its characters, each as its own bytes. A byte that does not start a
// well-formed sequence counts as one character, so nothing is ever dropped.
std::vector<std::string_view> utf8Characters(std::string_view text);

// Whether a character is one byte of plain ASCII. The board reads one byte per character, so
// anything else ("\xc3\xa9" for e acute) would reach it as two or more characters.
bool isOneAsciiByte(std::string_view character);

} // namespace protocol
