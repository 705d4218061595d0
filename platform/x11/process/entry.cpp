// Process entry: the program starts in WinMain, as it would on Windows.
#include "core/module.h"
#include "process/signals.h"

#include <string>

namespace {

// The command line as Windows passes it to WinMain: the arguments after the program name, joined
// by spaces.
std::string commandLineOf(int argumentCount, char** arguments) {
    std::string commandLine;
    for (int i = 1; i < argumentCount; ++i) {
        if (i > 1)
            commandLine += ' ';
        commandLine += arguments[i];
    }
    return commandLine;
}

} // namespace

int main(int argumentCount, char** arguments) {
    x11::takeSessionSignals();
    std::string commandLine = commandLineOf(argumentCount, arguments);
    return WinMain(x11::programModule(), nullptr, &commandLine[0], SW_SHOWNORMAL);
}
