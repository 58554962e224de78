#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "test_support.h"

extern char** environ;

namespace vexlume::test {

struct ProcessResult {
    int status = -1;  // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs a program with the given arguments in a folder, with the environment
// of the test changed by `env` (an empty value removes the variable).
// fileSizeLimit, when not zero, caps the size of any file the program
// writes, as a full disk would (the write fails with EFBIG).
inline ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                                const std::string& workDir,
                                const std::map<std::string, std::string>& env,
                                rlim_t fileSizeLimit = 0) {
    std::map<std::string, std::string> vars;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        auto eq = entry.find('=');
        if (eq != std::string::npos) vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& [k, v] : env) {
        if (v.empty())
            vars.erase(k);
        else
            vars[k] = v;
    }
    std::vector<std::string> envStrings;
    for (const auto& [k, v] : vars) envStrings.push_back(k + "=" + v);

    const std::string outPath = workDir + "/.stdout", errPath = workDir + "/.stderr";
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(workDir.c_str()) != 0) ::_exit(127);
        if (fileSizeLimit != 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit {fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int in = ::open("/dev/null", O_RDONLY);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::dup2(in, 0);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& s : envStrings) envp.push_back(s.data());
        envp.push_back(nullptr);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ProcessResult result;
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    ::unlink(outPath.c_str());
    ::unlink(errPath.c_str());
    return result;
}

}  // namespace vexlume::test
