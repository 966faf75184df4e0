// coinwick_timed: runs one command as a child process and reports, for that
// process alone, its wall time, processor time and peak memory, without the
// start-up cost of a wrapper program such as time(1) or timeout(1).
//
//   coinwick_timed LIMIT_SECONDS OUTPUT_FILE COMMAND [ARG ...]
//
// Prints "WALL_NS CPU_US MAXRSS_KB EXIT" on standard output; EXIT is the
// command's exit status, or "timeout" when it ran past the limit and was killed.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

pid_t child = 0;
void killChild(int) { kill(child, SIGKILL); }

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: coinwick_timed LIMIT_SECONDS OUTPUT_FILE COMMAND [ARG ...]\n");
        return 2;
    }
    const unsigned limit = unsigned(std::strtoul(argv[1], nullptr, 10));
    const int out = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        std::perror(argv[2]);
        return 2;
    }
    const long long start = nowNs();
    child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        dup2(out, STDOUT_FILENO);
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }
    std::signal(SIGALRM, killChild);
    alarm(limit);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const long long wall = nowNs() - start;
    const long long cpuUs = (long long)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL
        + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        std::printf("%lld %lld %ld timeout\n", wall, cpuUs, usage.ru_maxrss);
    else
        std::printf("%lld %lld %ld %d\n", wall, cpuUs, usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : 128);
    return 0;
}
