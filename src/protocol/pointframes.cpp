#include "protocol/pointframes.h"

#include "protocol/frameparts.h"
#include "protocol/frames.h"
#include "protocol/numbers.h"

namespace protocol {

namespace {

constexpr std::string_view noStep = "Please enter a step value";

} // namespace

Encoded setDotFrame(Entry x, Entry y)
{
    return FrameParts('d').field(x).field(y).done();
}

Encoded resetDotFrame(Entry x, Entry y)
{
    return FrameParts('e').field(x).field(y).done();
}

Encoded putByteFrame(Entry x, Entry y, Entry value)
{
    return FrameParts('u').field(x).field(y).field(value).done();
}

Encoded putCharacterFrame(Entry x, Entry y, std::string_view character)
{
    return FrameParts('p').field(x).field(y).character(character).done();
}

Encoded fillFrame(std::string_view step)
{
    if (step.empty())
        return Encoded::refused(std::string(noStep));
    return {commandFrame('f', {step}), {}};
}

DotRun dotRunFrames(Entry count, Entry x, Entry y, RunDirection direction)
{
    DotRun run;
    const double n = roundHalfEven(lenientNumber(count.text));
    if (n < 1)
        return run;
    if (n > longestDotRun) {
        run.refusal = needsWholeNumber(count.label, 1, longestDotRun);
        return run;
    }

    const bool horizontal = direction == RunDirection::Horizontal;
    const Entry &moving = horizontal ? x : y;
    const Entry &fixed = horizontal ? y : x;
    const auto fixedField = hexFieldOfValue(lenientNumber(fixed.text));
    if (!fixedField) {
        run.refusal = wholeNumberRefusal(fixed.label, lenientNumber(fixed.text));
        return run;
    }

    // Every frame is made before the first is sent, so a run is never cut off halfway.
    double value = lenientNumber(moving.text);
    for (int i = 0; i < static_cast<int>(n); ++i, value += 1) {
        const auto movingField = hexFieldOfValue(value);
        if (!movingField) {
            run.frames.clear();
            run.refusal = wholeNumberRefusal(moving.label, value);
            return run;
        }
        run.frames.push_back(horizontal ? commandFrame('d', {*movingField, *fixedField})
                                        : commandFrame('d', {*fixedField, *movingField}));
    }
    return run;
}

} // namespace protocol
