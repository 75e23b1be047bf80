// uzx: the designer's and the loader's task files and terminal link from the command line.
#include <cstring>
#include <exception>
#include <iostream>
#include <string_view>

#include "tools/uzx/commands.h"

namespace {

constexpr int kUsageStatus = 2;

struct Command {
    const char* name;
    int (*run)(const uzx::Args&);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"new", uzx::RunNew, "new OUT                     write a new task"},
    {"upgrade", uzx::RunUpgrade, "upgrade IN OUT              read any accepted layout, write the current one"},
    {"show", uzx::RunShow, "show [--json] FILE          print every block field by field"},
    {"simulate", uzx::RunSimulate,
     "simulate FILE --keys LIST [--time YYYY-MM-DDTHH:MM:SS] [--png OUT [--zoom 1..3]]\n"
     "                              run the task from the main menu and print the screen;\n"
     "                              LIST: keys 1..23, 51 restart, tN for N ticks of 100 ms;\n"
     "                              --png also draws the terminal into OUT"},
    {"edit", uzx::RunEdit,
     "edit IN OUT --script FILE   work the task's property sheet from a script (FILE - reads stdin)\n"
     "                              and write the task to OUT; prints each message and modified=0|1"},
    {"convert", uzx::RunConvert,
     "convert SRC DST --model 80xx|83xx|85xx|84xx [--report]\n"
     "                              write a task file (UZX, A85, ATF) for another terminal model;\n"
     "                              --report prints the identifier, text layout and transfer menus\n"
     "                              before and after"},
    {"image", uzx::RunImage, "image FILE OUT              write the bytes a terminal receives for the task"},
    {"download", uzx::RunDownload, "download FILE --port NAME [--speed N] [--link N]   put the task on a terminal"},
    {"send-lookup", uzx::RunSendLookup, "send-lookup TXT --port NAME [--speed N] [--link N]   send a lookup file"},
    {"receive", uzx::RunReceive, "receive OUT --port NAME [--speed N] [--link N]   collect the terminal's records"},
    {"loader-image", uzx::RunLoaderImage,
     "loader-image TASK OUT --firmware ID\n"
     "                              write the bytes the loader sends a terminal that answers ID"},
    {"load", uzx::RunLoad,
     "load TASK,SPEED,PORT,LINK     the loader's unattended command line: exit 0 loaded,\n"
     "                              1 a format error, 2 the task refused, 3 the load failed\n"
     "  uzx load TASK --ports COM3,COM5,... [--speed BPS] [--link 0|1]\n"
     "                              load several terminals at once, one line each as it ends"},
    {"find-cradle", uzx::RunFindCradle, "find-cradle                 the COM port where the infrared cradle answers"},
};

constexpr char kLinkNotes[] =
    "Transfers: --port names a COM port of the designer's port list or a device path;\n"
    "--speed 0..4 is 115200 (the default), 57600, 38400, 19200 or 9600 bit/s; --link 0 is\n"
    "RS-232 (the default), 1 the infrared cradle, 2 IrDA. Ctrl+C stops a transfer.\n"
    "Exit status: 0 done, 1 failed (a transfer that did not complete, receive without a\n"
    "record, simulate when the task showed an error box), 2 a bad command line.\n";

void PrintUsage(std::ostream& out) {
    out << "usage: uzx COMMAND ...\n";
    for (const auto& c : kCommands) out << "  uzx " << c.usage << '\n';
    out << kLinkNotes;
}

bool AsksForHelp(std::string_view arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

int Run(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kUsageStatus;
    }
    if (AsksForHelp(argv[1])) {
        PrintUsage(std::cout);
        return 0;
    }
    for (const auto& c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        if (argc == 3 && (std::strcmp(argv[2], "--help") == 0 || std::strcmp(argv[2], "-h") == 0)) {
            std::cout << "usage: uzx " << c.usage << '\n';
            return 0;
        }
        return c.run(uzx::Args(argv + 2, argv + argc));
    }
    std::cerr << "uzx: unknown command " << argv[1] << '\n';
    PrintUsage(std::cerr);
    return kUsageStatus;
}

}  // namespace

// The commands report their own failures; this only keeps anything that
// still escapes them (memory running out) from ending in an abort.
int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "uzx: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "uzx: an unexpected failure\n";
    }
    return 1;
}
