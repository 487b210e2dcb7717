#include "protocol/replies.h"

namespace protocol {

namespace {

constexpr std::string_view ready = "Ready:";
constexpr std::string_view refused = "Error:";
constexpr std::size_t trailerLength = 8;

} // namespace

Reply firstReply(std::string_view received)
{
    const auto readyAt = received.find(ready);
    const auto errorAt = received.find(refused);
    if (errorAt < readyAt) {
        const auto lineEnd = received.find_first_of("\r\n", errorAt);
        if (lineEnd == std::string_view::npos)
            return {};
        return {Reply::Kind::Refused, received.substr(errorAt, lineEnd - errorAt), lineEnd + 1};
    }
    if (readyAt == std::string_view::npos)
        return {};
    // The line end after "Ready:" belongs to this reply when it has already come.
    auto length = readyAt + ready.size();
    if (received.substr(length, 1) == "\r")
        ++length;
    if (received.substr(length, 1) == "\n")
        ++length;
    return {Reply::Kind::Ready, received.substr(0, readyAt), length};
}

Reply firstAnswer(std::string_view received)
{
    std::size_t passed = 0;
    for (;;) {
        Reply reply = firstReply(received.substr(passed));
        if (reply.kind != Reply::Kind::Ready
            || reply.text.find_first_not_of(" \t\r\n") != std::string_view::npos) {
            reply.length += passed;
            return reply;
        }
        passed += reply.length;
    }
}

std::string answerDigits(std::string_view answer)
{
    std::string digits;
    for (const char c : answer) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            digits += c;
    }
    return digits;
}

std::string_view withoutTrailer(std::string_view reply)
{
    const std::size_t length = reply.size();
    if (length >= trailerLength && reply.substr(length - 4, 2) == "y:")
        reply.remove_suffix(trailerLength);
    return reply;
}

} // namespace protocol
