#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace protocol {

// The board answers each frame with its "Ready:" (a read's hex text goes before it, on the
// same line or broken over several), or refuses it with one line "Error: ...".
struct Reply
{
    enum class Kind { Pending, Ready, Refused };
    Kind kind = Kind::Pending;
    // What came before "Ready:" (a read's answer, line ends and all), or the error line.
    std::string_view text;
    // The characters the reply takes, up to and including its line end where it has come.
    std::size_t length = 0;
};

// The first reply in what the board has sent, whichever of "Ready:" and a whole error line
// comes first; Pending while neither has.
Reply firstReply(std::string_view received);

// The first reply that carries an answer: replies of a bare "Ready:" (to frames sent before
// the read) are passed over. A refusal ends the search as well.
Reply firstAnswer(std::string_view received);

// A read's answer as hex text: its blanks and line ends left out.
std::string answerDigits(std::string_view answer);

// A read page's reply without the board's eight-character closing trailer, which is taken to
// be there when the fourth and third characters from the end are "y:" ("...Ready:" CR LF).
// A text shorter than the trailer is kept whole.
std::string_view withoutTrailer(std::string_view reply);

} // namespace protocol
