#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testing_support {

// While it lives, no file of this process grows beyond `bytes`, as on a disk that is full: a
// write past it fails instead of ending the process with SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_signalBefore(std::signal(SIGXFSZ, SIG_IGN))
    {
        rlimit limited{};
        m_set = ::getrlimit(RLIMIT_FSIZE, &m_before) == 0;
        limited = m_before;
        limited.rlim_cur = bytes;
        m_set = m_set && ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signalBefore);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isSet() const { return m_set; }

private:
    void (*m_signalBefore)(int);
    rlimit m_before{};
    bool m_set = false;
};

} // namespace testing_support
