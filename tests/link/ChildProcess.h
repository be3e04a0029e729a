#pragma once

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace dormivo::test {

// A tool run as its own process with stderr going to a file. The guard only
// keeps a broken build from hanging the suite; nothing is timed.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& args, const std::vector<std::string>& env,
                 const std::string& stderrPath) {
        std::vector<std::string> environment = env;
        for (char** e = environ; *e != nullptr; ++e) {
            environment.emplace_back(*e);
        }
        std::vector<char*> argv;
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (const std::string& e : environment) {
            envp.push_back(const_cast<char*>(e.c_str()));
        }
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, stderrPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    void signal(int sig) const { kill(pid_, sig); }

    // The exit status, or -1 when it did not end within the guard.
    int waitForExit(int guardSeconds = 60) {
        for (int waited = 0; waited < guardSeconds * 100; ++waited) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            poll(nullptr, 0, 10);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
};

// Waits until the path exists (or the guard runs out).
inline bool waitForPath(const std::string& path, int guardSeconds = 30) {
    struct stat st {};
    for (int waited = 0; waited < guardSeconds * 100; ++waited) {
        if (lstat(path.c_str(), &st) == 0) {
            return true;
        }
        poll(nullptr, 0, 10);
    }
    return false;
}

} // namespace dormivo::test
