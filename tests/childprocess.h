#ifndef KESTREL_CHILDPROCESS_H
#define KESTREL_CHILDPROCESS_H

// Runs part of a test in a forked child under resource limits, so that a read
// that runs out of memory or a write that meets a full disk ends the child
// and not the test. The child hands its findings back as text through a pipe.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <cstdio>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KESTREL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTREL_ADDRESS_SANITIZER 1
#endif
#endif

namespace ChildProcess {

// AddressSanitizer reserves terabytes of address space for its shadow memory
// at start-up, so under it an address-space limit means nothing.
#ifdef KESTREL_ADDRESS_SANITIZER
constexpr bool canLimitMemory = false;
#else
constexpr bool canLimitMemory = true;
#endif

struct Outcome
{
    bool finished = false; // exited by itself, with status 0
    QString output;
};

// The process's address space in bytes: libraries, Qt and the heap so far.
inline qint64 addressSpace()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

// Lets the address space grow by at most `bytes` beyond what it holds now.
inline void limitAddressSpace(qint64 bytes)
{
    if (!canLimitMemory)
        return;
    const rlim_t limit = rlim_t(addressSpace() + bytes);
    const rlimit value{limit, limit};
    setrlimit(RLIMIT_AS, &value);
}

// A disk that is full after `bytes` bytes of any one file: writes beyond it
// fail with EFBIG instead of killing the process.
inline void limitFileSize(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit value{rlim_t(bytes), rlim_t(bytes)};
    setrlimit(RLIMIT_FSIZE, &value);
}

// Runs `body` in a child after `limit`; a child that is still busy after
// `seconds` is killed, so a hang fails the test instead of stalling it.
inline Outcome run(const std::function<void()> &limit, const std::function<QString()> &body,
                   unsigned seconds = 120)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        return {};
    if (pid == 0) {
        close(pipeEnds[0]);
        // Qt Test's crash handler would start a debugger for the stack, which
        // a child short of memory cannot; a plain end is all the test needs.
        for (const int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
            std::signal(sig, SIG_DFL);
        alarm(seconds);
        limit();
        QByteArray text;
        // An allocation that the limit refuses throws; Qt Test would catch it
        // and go on running the rest of the suite in the child.
        try {
            text = body().toUtf8();
        } catch (...) {
            _exit(2);
        }
        const bool sent = write(pipeEnds[1], text.constData(), size_t(text.size())) == text.size();
        std::fflush(nullptr);
        _exit(sent ? 0 : 1);
    }
    close(pipeEnds[1]);
    QByteArray text;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, got);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, QString::fromUtf8(text)};
}

} // namespace ChildProcess

#endif
