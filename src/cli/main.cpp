// quintaro-cli: headless commands over the engine, for scripting, benchmarks and cross-checks.

#include <iostream>

#include "command.h"
#include "core/version.h"

namespace quintaro::cli {

std::vector<Command>& commands() {
    static std::vector<Command> all;
    return all;
}

namespace {

void printHelp(std::ostream& out) {
    out << "Usage: quintaro-cli COMMAND [ARGUMENTS]\n"
           "       quintaro-cli --help | --version\n\n"
           "Headless commands of ΒΕΛΤΡΑΝΟ, the horse-race betting systems builder.\n";
    if (!commands().empty()) {
        out << "\nCommands:\n";
        for (const Command& c : commands()) {
            out << "  " << c.usage << "\n      " << c.summary << "\n";
        }
    }
    out << "\nExit status: 0 on success, 1 on a usage error, 2 when a file or input cannot be used.\n";
}

}  // namespace
}  // namespace quintaro::cli

int main(int argc, char** argv) {
    using namespace quintaro::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printHelp(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(std::cout);
        return kExitOk;
    }
    if (args[0] == "--version") {
        std::cout << "quintaro-cli " << quintaro::version::kText << "\n";
        return kExitOk;
    }
    for (const Command& c : commands()) {
        if (c.name == args[0]) {
            args.erase(args.begin());
            return c.run(args, std::cout, std::cerr);
        }
    }
    std::cerr << "quintaro-cli: unknown command '" << args[0] << "' (see --help)\n";
    return kExitUsage;
}
