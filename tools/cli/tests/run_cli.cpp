#include "run_cli.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tablamor::testing {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input) {
    char dir[] = "/tmp/tablamor-run-XXXXXX";
    if (!::mkdtemp(dir)) return {};
    std::string in = std::string(dir) + "/in", out = std::string(dir) + "/out",
                err = std::string(dir) + "/err";
    std::ofstream(in, std::ios::binary) << input;

    CliResult result;
    std::fflush(nullptr); // nothing buffered may be written twice by the child
    pid_t pid = ::fork();
    if (pid == 0) {
        if (!std::freopen(in.c_str(), "rb", stdin) || !std::freopen(out.c_str(), "wb", stdout) ||
            !std::freopen(err.c_str(), "wb", stderr))
            ::_exit(127);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.out = ReadAll(out);
    result.err = ReadAll(err);
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    ::rmdir(dir);
    return result;
}

} // namespace tablamor::testing
