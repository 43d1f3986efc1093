#pragma once
// The commands of quintaro-cli. Each command lives in its own file and registers itself with a
// CommandRegistration at namespace scope; main() dispatches on the first argument.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro::cli {

// Exit statuses: 0 success, 1 usage error, 2 a file or input that cannot be used.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitBadInput = 2;

struct Command {
    std::string name;
    std::string usage;    // e.g. "count GAMEFILE [--price P] [--columns] [--json]"
    std::string summary;  // one line for --help
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)> run;
};

std::vector<Command>& commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command) { commands().push_back(std::move(command)); }
};

}  // namespace quintaro::cli
