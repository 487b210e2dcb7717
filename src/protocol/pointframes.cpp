#include "protocol/pointframes.h"

#include "protocol/fields.h"
#include "protocol/frames.h"
#include "protocol/numbers.h"
#include "protocol/utf8.h"

#include <limits>
#include <optional>

namespace protocol {

namespace {

constexpr std::string_view noStep = "Please enter a step value";

// "]" + letter + "]" + the hex field of each entry, then the tail groups; or the message that
// names the first entry that has no field.
Encoded fieldsFrame(char letter, std::initializer_list<Entry> entries,
                    std::initializer_list<std::string_view> tailGroups = {})
{
    std::string fields;
    for (const Entry &entry : entries) {
        const auto field = hexFieldOf(entry.text);
        if (!field)
            return Encoded::refused(needsWholeNumber(entry.label));
        fields += *field;
    }
    return {commandFrame(letter, {fields}, tailGroups), {}};
}

// The field of a running value, made whole as a typed entry would be.
std::optional<std::string> runningField(double value)
{
    const double whole = roundHalfEven(value);
    if (!(whole >= 0 && whole <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return hexField(static_cast<std::uint32_t>(whole));
}

} // namespace

Encoded setDotFrame(Entry x, Entry y)
{
    return fieldsFrame('d', {x, y});
}

Encoded resetDotFrame(Entry x, Entry y)
{
    return fieldsFrame('e', {x, y});
}

Encoded putByteFrame(Entry x, Entry y, Entry value)
{
    return fieldsFrame('u', {x, y, value});
}

Encoded putCharacterFrame(Entry x, Entry y, std::string_view character)
{
    if (!character.empty() && !isOneAsciiByte(character)) {
        const Encoded position = fieldsFrame('p', {x, y});
        return position.ok() ? Encoded::refused(cannotTake(character)) : position;
    }
    return fieldsFrame('p', {x, y}, {character});
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
    const auto fixedField = runningField(lenientNumber(fixed.text));
    if (!fixedField) {
        run.refusal = needsWholeNumber(fixed.label);
        return run;
    }

    // Every frame is made before the first is sent, so a run is never cut off halfway.
    double value = lenientNumber(moving.text);
    for (int i = 0; i < static_cast<int>(n); ++i, value += 1) {
        const auto movingField = runningField(value);
        if (!movingField) {
            run.frames.clear();
            run.refusal = needsWholeNumber(moving.label);
            return run;
        }
        run.frames.push_back(horizontal ? commandFrame('d', {*movingField, *fixedField})
                                        : commandFrame('d', {*fixedField, *movingField}));
    }
    return run;
}

} // namespace protocol
