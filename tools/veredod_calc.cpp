// veredod-calc: opens a resin database and a saved case as the window would,
// calculates, and prints the results list, the report or the case as JSON.

#include <CLI/CLI.hpp>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "output/report.h"
#include "tools/cli_desktop.h"
#include "tools/json_case.h"
#include "window/main_model.h"

namespace {

using veredod::MainModel;
using veredod::NumberFormat;

constexpr int kExitOk = 0;
constexpr int kExitUnreadable = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Usage: veredod-calc --resins FILE --case FILE [--report] [--switch-units] [--json]\n"
    "Run 'veredod-calc --help' for details.\n";

constexpr const char* kDescription =
    "veredod-calc: the Veredod 2000 Single Screw Extrusion Simulation without its window.\n"
    "It does what a user would do: starts up choosing the resin database FILE, opens the\n"
    "saved data entries FILE, chooses Calculate and, with --switch-units, selects the\n"
    "other unit system. Then it prints the results to standard output.";

constexpr const char* kFooter =
    "Output forms:\n"
    "  (default)       the results list, one line per entry, as the window shows it.\n"
    "  --report        the lines of the printed report (60 for one stage, 77 for two).\n"
    "                  A report that cannot be completed prints nothing and gives\n"
    "                  \"Veredod: Print Error\" on standard error.\n"
    "  --json          one JSON object: \"flags\" (ScrewType, UnitSystem and\n"
    "                  SectionLengthMode as numbers, with their names), \"inputs\" (every\n"
    "                  input field by name), \"resin\" (CurrentResin, ResinName,\n"
    "                  ResinIsMetric and the eight values) and \"results\" (HelixAngle and\n"
    "                  every result field), at full precision; a value that is not\n"
    "                  finite is null.\n"
    "Numbers in the list and the report use the decimal point of the locale (LC_NUMERIC).\n"
    "Every message the window would show goes to standard error as \"title: text\".\n"
    "\n"
    "Exit status:\n"
    "  0  the run went through (messages on standard error do not change this)\n"
    "  1  a named file cannot be read\n"
    "  2  wrong usage: unknown option, missing --resins or --case, --report with --json\n\n"
    "\n"
    "Example:\n"
    "  veredod-calc --resins data/resins.dat --case examples/worked-example-us.txt --report\n";

struct Options {
    std::string resinPath;
    std::string casePath;
    bool report = false;
    bool switchUnits = false;
    bool json = false;
};

void DescribeOptions(CLI::App& app, Options& options) {
    app.description(kDescription);
    app.footer(kFooter);
    app.set_help_flag("-h,--help", "Print this help and exit");
    app.add_option("--resins", options.resinPath,
                   "Resin database file, chosen in the \"Open Resin Database File\" dialog")
        ->required()
        ->type_name("FILE");
    app.add_option("--case", options.casePath,
                   "Saved data entries file, chosen in the \"Open Saved Data Entries\" dialog")
        ->required()
        ->type_name("FILE");
    CLI::Option* report =
        app.add_flag("--report", options.report, "Print the report's lines instead of the list");
    app.add_flag("--switch-units", options.switchUnits,
                 "After calculating, select the other unit system (converts, does not "
                 "recalculate)");
    CLI::Option* json = app.add_flag("--json", options.json, "Print the case as one JSON object");
    report->excludes(json);
}

// A file that opens but cannot be read (a folder) fails only at the first read.
bool CanRead(const std::string& path, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    errno = 0;
    const bool readable = std::fgetc(file) != EOF || !std::ferror(file);
    if (!readable) reason = std::strerror(errno != 0 ? errno : EIO);
    std::fclose(file);
    return readable;
}

NumberFormat LocaleNumberFormat() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    NumberFormat format;
    const char* point = conventions->decimal_point;
    if (point && point[0] != '\0' && point[1] == '\0') format.decimalSeparator = point[0];
    const char* group = conventions->thousands_sep;
    if (group && group[0] != '\0' && group[1] == '\0') {
        format.groupSeparator = group[0];
    } else {
        format.groupSeparator = format.decimalSeparator == ',' ? '.' : ',';
    }
    // The two text files always use "."; keep the C library's number
    // conversions out of the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    return format;
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::cout << line << '\n';
}

int Run(const Options& options) {
    for (const std::string* path : {&options.resinPath, &options.casePath}) {
        std::string reason;
        if (!CanRead(*path, reason)) {
            std::cerr << "veredod-calc: cannot read " << *path << ": " << reason << '\n';
            return kExitUnreadable;
        }
    }
    const NumberFormat format = LocaleNumberFormat();
    veredod::CliDesktop desktop(options.resinPath, options.casePath, std::cerr);
    MainModel model(desktop, format);
    if (!model.startUp()) {
        std::cerr << "veredod-calc: the resin database was not opened\n";
        return kExitUnreadable;
    }
    model.mnuOpen_Click();
    model.mnuCalc_Click();
    if (options.switchUnits) model.selectUnits(1 - model.state().optUnits.selected);

    if (options.json) {
        std::cout << veredod::CaseToJson(model).dump(2, ' ', false,
                                                     nlohmann::json::error_handler_t::replace)
                  << '\n';
    } else if (options.report) {
        const veredod::ReportLines report = veredod::BuildReport(
            model.currentCase(), model.resinTable(), model.modes(), format.decimalSeparator);
        if (report.complete) {
            PrintLines(report.lines);
        } else {
            desktop.showMessage(veredod::MessageIcon::Critical, "Print Error", veredod::kAppTitle);
        }
    } else {
        PrintLines(model.state().lstResults);
    }
    std::cout.flush();
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app;
    app.name("veredod-calc");
    Options options;
    DescribeOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        std::cerr << "veredod-calc: " << error.what() << '\n' << kUsage;
        return kExitUsage;
    }
    return Run(options);
}
