#include "protocol/frameparts.h"

#include "protocol/fields.h"
#include "protocol/frames.h"
#include "protocol/numbers.h"
#include "protocol/utf8.h"

#include <limits>

namespace protocol {

std::optional<std::string> hexFieldOfValue(double value)
{
    const double whole = roundHalfEven(value);
    if (!(whole >= 0 && whole <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return hexField(static_cast<std::uint32_t>(whole));
}

FrameParts::FrameParts(char letter)
    : m_frame{commandKey, letter, commandKey}
{}

FrameParts &FrameParts::append(std::optional<std::string> text, std::string_view label,
                               double value)
{
    if (!m_refusal.empty())
        return *this;
    if (text)
        m_frame += *text;
    else
        m_refusal = wholeNumberRefusal(label, value);
    return *this;
}

namespace {

double valueOf(Entry entry)
{
    return decimalNumber(entry.text).value_or(std::numeric_limits<double>::quiet_NaN());
}

} // namespace

FrameParts &FrameParts::field(Entry entry)
{
    return append(hexFieldOf(entry.text), entry.label, valueOf(entry));
}

FrameParts &FrameParts::upperField(Entry entry)
{
    const auto value = wholeNumber(entry.text);
    return append(value ? std::optional(upperHexField(*value)) : std::nullopt, entry.label,
                  valueOf(entry));
}

FrameParts &FrameParts::end(Entry start, Entry extent)
{
    const double value = lenientNumber(start.text) + lenientNumber(extent.text);
    return append(hexFieldOfValue(value),
                  std::string(start.label) + " plus " + std::string(extent.label), value);
}

FrameParts &FrameParts::group(std::string_view text)
{
    m_frame += commandKey;
    m_frame += text;
    return *this;
}

FrameParts &FrameParts::character(std::string_view text)
{
    if (m_refusal.empty() && !text.empty() && !isOneAsciiByte(text))
        m_refusal = cannotTake(text);
    return group(text);
}

FrameParts &FrameParts::selected(Entry item)
{
    if (m_refusal.empty() && item.text.empty())
        m_refusal = needsWholeNumber(item.label);
    return group(item.text);
}

Encoded FrameParts::done() const
{
    return m_refusal.empty() ? Encoded{m_frame, {}} : Encoded::refused(m_refusal);
}

} // namespace protocol
