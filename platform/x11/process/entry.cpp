// Process entry: the program starts in WinMain, as it would on Windows.
#include "platform/platform.h"
#include "process/signals.h"

#include <string>

// The module instance: its address is the handle, and nothing ever looks inside.
struct HINSTANCE__ {};

namespace {

HINSTANCE__ programModule;

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
    return WinMain(&programModule, nullptr, &commandLine[0], SW_SHOWNORMAL);
}
