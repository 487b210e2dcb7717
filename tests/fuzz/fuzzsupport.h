#pragma once

// What every frame-builder target asserts: a refusal sends nothing and says why, an accepted
// frame is well-formed.
#include "fuzz/framegrammar.h"
#include "protocol/numbers.h"
#include "protocol/refusal.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzzsupport {

// Whether a box holding `text` can be encoded at all.
inline bool whole(const std::string &text)
{
    return protocol::wholeNumber(text).has_value();
}

inline void require(bool holds)
{
    if (!holds)
        std::abort();
}

inline void requireSound(const protocol::Encoded &encoded, std::string_view letters)
{
    if (encoded.ok())
        require(framegrammar::isWellFormed(encoded.frame, letters));
    else
        require(encoded.frame.empty());
}

// A box's text: mostly short, as boxes hold, from the fuzzer's bytes.
inline std::string boxText(FuzzedDataProvider &data)
{
    return data.ConsumeRandomLengthString(24);
}

} // namespace fuzzsupport
