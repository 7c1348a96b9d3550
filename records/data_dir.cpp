#include "records/data_dir.h"

#include "records/paths.h"
#include "records/record_names.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace tablamor {
namespace {

constexpr std::string_view kDefaultDataHome = ".local/share";
constexpr std::string_view kProbeFileName = ".write-test";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool HasGameFiles(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_regular_file(ProgramPath(dir, kGamesFileName), ec);
}

// The portable data directory can be used when it exists and is writable, or can be made in a
// writable program directory.
bool PortableDataWritable(const std::filesystem::path& programDir) {
    std::error_code ec;
    const std::filesystem::path data = ProgramPath(programDir, kDataDirName);
    if (std::filesystem::is_directory(data, ec)) return ::access(data.c_str(), W_OK) == 0;
    return ::access(programDir.c_str(), W_OK) == 0;
}

std::string Reason(const std::error_code& ec) {
    return ec ? ec.message() : std::string("it cannot be written");
}

} // namespace

UserDataHome UserDataHomeFromEnvironment() {
    return {Environment("XDG_DATA_HOME"), Environment("HOME")};
}

std::filesystem::path UserDataDir(const UserDataHome& env) {
    const std::filesystem::path xdg = env.xdgDataHome;
    if (xdg.is_absolute()) return xdg / kUserDataFolder;
    std::filesystem::path home = env.home;
    if (!home.is_absolute())
        if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
            home = account->pw_dir;
    if (home.is_absolute()) return home / kDefaultDataHome / kUserDataFolder;
    return kNoDataDir;
}

std::filesystem::path RunningProgramDir() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return self.parent_path();
}

ProgramDirectories ChooseDirectories(const DirectoryRequest& request, const UserDataHome& env) {
    ProgramDirectories dirs;
    const std::filesystem::path installed =
        (request.programLocation / kInstalledGameFilesDir).lexically_normal();
    bool beside = true;
    if (request.root)
        dirs.programDir = *request.root;
    else if (HasGameFiles(request.programLocation) || !HasGameFiles(installed))
        dirs.programDir = request.programLocation;
    else {
        dirs.programDir = installed;
        beside = false;
    }
    if (request.dataDir) {
        dirs.dataDir = *request.dataDir;
    } else if (beside && PortableDataWritable(dirs.programDir)) {
        dirs.dataDir = ProgramPath(dirs.programDir, kDataDirName);
        dirs.portable = true;
    } else {
        dirs.dataDir = UserDataDir(env);
    }
    return dirs;
}

std::filesystem::path DataFilePath(const std::filesystem::path& dataDir, std::string_view name) {
    // An empty directory would mean the current one: no record is written there by accident.
    return ProgramPath(dataDir.empty() ? std::filesystem::path(kNoDataDir) : dataDir, name);
}

std::filesystem::path ConfigFilePath(const std::filesystem::path& dataDir) {
    return DataFilePath(dataDir, kConfigFileName);
}

std::string PrepareDataDir(const std::filesystem::path& dataDir) {
    const std::string problem = "Your games cannot be recorded: the data directory ";
    const std::string goesOn = ". Play goes on without records.";
    if (dataDir.empty() || dataDir == kNoDataDir)
        return "Your games cannot be recorded: neither XDG_DATA_HOME nor HOME names a "
               "directory" +
               goesOn;
    std::error_code ec;
    std::filesystem::create_directories(dataDir, ec);
    if (!std::filesystem::is_directory(dataDir, ec))
        return problem + dataDir.string() + " cannot be created (" + Reason(ec) + ")" + goesOn;
    const std::filesystem::path probe = dataDir / kProbeFileName;
    bool written = static_cast<bool>(std::ofstream(probe) << "");
    std::filesystem::remove(probe, ec);
    if (!written || ::access(dataDir.c_str(), W_OK) != 0)
        return problem + dataDir.string() + " cannot be written" + goesOn;
    return {};
}

} // namespace tablamor
