// Makes the Debian changelog and the software centre's list of releases from CHANGELOG.md, so
// the two cannot disagree, and refuses a changelog whose newest entry is not this version.
//
// changelog-files CHANGELOG VERSION MAINTAINER METAINFO_IN METAINFO_OUT DEBIAN_CHANGELOG_OUT
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Entry
{
    std::string version;
    int year = 0, month = 0, day = 0;
    std::vector<std::vector<std::string>> changes; // each change's lines
};

constexpr std::size_t widest = 76; // the Debian changelog indents by four: 80 columns

[[noreturn]] void fail(const std::string &why)
{
    std::cerr << "changelog-files: " << why << '\n';
    std::exit(1);
}

std::vector<Entry> read(const char *path)
{
    std::ifstream in(path);
    if (!in)
        fail(std::string("cannot read ") + path);
    const std::regex heading(R"(## (\S+) \((\d{4})-(\d{2})-(\d{2})\))");
    std::vector<Entry> entries;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = std::string(path) + ":" + std::to_string(number) + ": ";
        std::smatch match;
        if (std::regex_match(line, match, heading)) {
            const int month = std::stoi(match[3]);
            const int day = std::stoi(match[4]);
            if (month < 1 || month > 12 || day < 1 || day > 31)
                fail(where + "no such date");
            entries.push_back({match[1], std::stoi(match[2]), month, day, {}});
        } else if (entries.empty() || line.empty()) {
            continue; // the preface
        } else if (line.size() > widest) {
            fail(where + "longer than " + std::to_string(widest) + " columns");
        } else if (line.starts_with("- ")) {
            entries.back().changes.push_back({line.substr(2)});
        } else if (line.starts_with("  ") && !entries.back().changes.empty()) {
            entries.back().changes.back().push_back(line.substr(2));
        } else {
            fail(where + "neither \"## VERSION (YYYY-MM-DD)\", \"- change\" nor its next line");
        }
    }
    for (const Entry &entry : entries)
        if (entry.changes.empty())
            fail(entry.version + " lists no change");
    return entries;
}

// "Tue, 08 Dec 2026 00:00:00 +0000"
std::string rfc2822(const Entry &entry)
{
    static const char *days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *months[]
            = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static const int shift[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int year = entry.year - (entry.month < 3 ? 1 : 0);
    const int weekday
            = (year + year / 4 - year / 100 + year / 400 + shift[entry.month - 1] + entry.day) % 7;
    char text[40];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d 00:00:00 +0000", days[weekday], entry.day,
                  months[entry.month - 1], entry.year);
    return text;
}

std::string debianChangelog(const std::vector<Entry> &entries, const std::string &maintainer)
{
    std::ostringstream out;
    for (const Entry &entry : entries) {
        if (&entry != &entries.front())
            out << '\n';
        out << "sketra (" << entry.version << ") unstable; urgency=medium\n\n";
        for (const auto &change : entry.changes)
            for (const std::string &line : change)
                out << (&line == &change.front() ? "  * " : "    ") << line << '\n';
        out << "\n -- " << maintainer << "  " << rfc2822(entry) << '\n';
    }
    return out.str();
}

std::string xmlText(const std::string &text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string releases(const std::vector<Entry> &entries)
{
    std::ostringstream out;
    out << "  <releases>\n";
    for (const Entry &entry : entries) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", entry.year, entry.month, entry.day);
        out << "    <release version=\"" << entry.version << "\" date=\"" << date << "\">\n"
            << "      <description>\n        <ul>\n";
        for (const auto &change : entry.changes) {
            std::string joined;
            for (const std::string &line : change)
                joined += (joined.empty() ? "" : " ") + line;
            out << "          <li>" << xmlText(joined) << "</li>\n";
        }
        out << "        </ul>\n      </description>\n    </release>\n";
    }
    out << "  </releases>\n";
    return out.str();
}

void write(const char *path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    if (!(out << text) || !(out.close(), out))
        fail(std::string("cannot write ") + path);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 7)
        fail("usage: changelog-files CHANGELOG VERSION MAINTAINER METAINFO_IN METAINFO_OUT "
             "DEBIAN_CHANGELOG_OUT");
    const auto entries = read(argv[1]);
    if (entries.empty() || entries.front().version != argv[2])
        fail(std::string(argv[1]) + ": the newest entry is not version " + argv[2]
             + ", the project's version");

    // The metainfo's releases go where its template has the marker line.
    std::ifstream in(argv[4]);
    std::string metainfo, line;
    bool marked = false;
    while (std::getline(in, line)) {
        if (line.find("<!-- releases") != std::string::npos) {
            metainfo += releases(entries);
            marked = true;
        } else {
            metainfo += line + '\n';
        }
    }
    if (!marked)
        fail(std::string(argv[4]) + " has no \"<!-- releases\" line");
    write(argv[5], metainfo);
    write(argv[6], debianChangelog(entries, argv[3]));
    return 0;
}
