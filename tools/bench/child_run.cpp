#include "child_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonic_ns()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The parent's environment with the platform set, as the child's.
std::vector<std::string> child_environment(const std::string& platform)
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        if (!text.starts_with("QT_QPA_PLATFORM="))
            env.push_back(text);
    }
    env.push_back("QT_QPA_PLATFORM=" + platform);
    return env;
}

std::string read_all(int fd)
{
    std::string text;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    return text;
}

// A child started with its standard output on a pipe to read and its standard error dropped:
// Qt's start-up notes would bury the table, and a failed run is reported with its command.
struct Spawned {
    pid_t pid = 0;
    int output = -1;
    long long started = 0;
};

Spawned spawn_reading(const std::string& path, char* const argv[], char* const env[])
{
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    Spawned child;
    child.started = monotonic_ns();
    const int spawned = posix_spawn(&child.pid, path.c_str(), &actions, nullptr, argv, env);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    if (spawned != 0) {
        close(pipe_fds[0]);
        return {};
    }
    child.output = pipe_fds[0];
    return child;
}

} // namespace

ChildRun run_child(const std::string& path, const std::string& platform,
                   const std::string& argument)
{
    std::vector<std::string> env_text = child_environment(platform);
    std::vector<char*> env;
    env.reserve(env_text.size() + 1);
    for (std::string& text : env_text)
        env.push_back(text.data());
    env.push_back(nullptr);
    std::string arg0 = path;
    std::string arg1 = argument;
    char* argv[] = {arg0.data(), arg1.empty() ? nullptr : arg1.data(), nullptr};

    const Spawned child = spawn_reading(path, argv, env.data());
    if (child.pid == 0)
        return {};
    const std::string output = read_all(child.output);
    close(child.output);

    int status = 0;
    rusage usage{};
    if (wait4(child.pid, &status, 0, &usage) != child.pid)
        return {};
    ChildRun run;
    run.max_rss_kb = usage.ru_maxrss;
    const long long painted = std::strtoll(output.c_str(), nullptr, 10);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && painted > child.started;
    run.seconds = static_cast<double>(painted - child.started) / 1e9;
    return run;
}

TimedRun run_timed(const std::string& path, const std::string& argument, double limit_seconds)
{
    std::string arg0 = path;
    std::string arg1 = argument;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    const Spawned child = spawn_reading(path, argv, environ);
    if (child.pid == 0)
        return {};
    const auto limit = static_cast<long long>(limit_seconds * 1e9);
    int status = 0;
    rusage usage{};
    bool killed = false;
    pid_t ended = 0;
    // Polled every millisecond, so that a child that never ends can be stopped.
    while ((ended = wait4(child.pid, &status, WNOHANG, &usage)) == 0) {
        if (!killed && monotonic_ns() - child.started > limit) {
            kill(child.pid, SIGKILL);
            killed = true;
        }
        const timespec pause{0, 1000000};
        nanosleep(&pause, nullptr);
    }
    const double seconds = static_cast<double>(monotonic_ns() - child.started) / 1e9;
    // The child writes one short line as it ends, well within the pipe's buffer.
    TimedRun run;
    run.output = read_all(child.output);
    close(child.output);
    if (ended != child.pid)
        return {};
    run.seconds = seconds;
    run.max_rss_kb = usage.ru_maxrss;
    run.finished = !killed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}
