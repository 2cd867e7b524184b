// SPDX-License-Identifier: GPL-3.0-or-later
// veredod-calc: opens a resin database and a saved case as the window would,
// calculates, and prints the results list, the report, the case as JSON, the
// operating point with a die, or a sweep of speeds as CSV.

#include <CLI/CLI.hpp>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "model/operating_point.h"
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
constexpr int kExitNoOperatingPoint = 3;

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
    "  --operating-point\n"
    "                  the operating point's figures and warnings, one per line, as the\n"
    "                  Operating Point window shows them. With --json the object gains\n"
    "                  \"OperatingPoint\": {\"Flow\", \"Pressure\", \"SpecificEnergy\",\n"
    "                  \"VentFlooding\", \"Warnings\"} (unrounded: kg/hr, bar, kWh/kg or\n"
    "                  lbs/hr, psi, hp-hr/lb) and \"results\" are those at the operating\n"
    "                  point; without one it is {\"Error\": reason}.\n"
    "  --sweep rpm=FROM:TO:STEP\n"
    "                  the operating point at every speed FROM, FROM+STEP, ... up to TO,\n"
    "                  as CSV: the header\n"
    "                  rpm,flow,pressure,temperature_rise,power,specific_energy,torque,current\n"
    "                  and one row per speed, in the case's units, at full precision.\n"
    "\n"
    "The die (--die SPEC, instead of the one saved with the case): elements in series\n"
    "separated by \";\", each a shape, \":\" and name=number pairs separated by \",\":\n"
    "  circular:count=N,d=DIAMETER,l=LENGTH\n"
    "  slit:count=N,w=WIDTH,h=GAP,l=LENGTH\n"
    "  annulus:count=N,do=OUTER,di=INNER,l=LENGTH\n"
    "count (identical channels side by side) may be left out and is then 1. Dimensions are\n"
    "in mm or in, the unit system of the case file. For example\n"
    "  --die 'circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30'\n"
    "Numbers in the list and the report use the decimal point of the locale (LC_NUMERIC).\n"
    "Every message the window would show goes to standard error as \"title: text\".\n"
    "\n"
    "Exit status:\n"
    "  0  the run went through (messages on standard error do not change this)\n"
    "  1  a named file cannot be read\n"
    "  2  wrong usage: unknown option, missing --resins or --case, --report with --json,\n"
    "     a --die or --sweep text that cannot be read\n"
    "  3  --operating-point or --sweep found no operating point (the reason is printed)\n\n"
    "\n"
    "Example:\n"
    "  veredod-calc --resins data/resins.dat --case examples/worked-example-us.txt --report\n";

struct Options {
    std::string resinPath;
    std::string casePath;
    bool report = false;
    bool switchUnits = false;
    bool json = false;
    bool operatingPoint = false;
    std::string dieText;
    std::string sweepText;
    std::optional<veredod::Die> die;
    veredod::SpeedRange sweep;
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
    CLI::Option* point = app.add_flag("--operating-point", options.operatingPoint,
                                      "Print where the screw meets the die (with --json: inside "
                                      "the object)");
    point->excludes(report);
    app.add_option("--die", options.dieText,
                   "The die instead of the case's, e.g. circular:count=4,d=3.5,l=12.5 (see below)")
        ->type_name("SPEC");
    CLI::Option* sweep = app.add_option("--sweep", options.sweepText,
                                        "Print the operating point over a range of screw "
                                        "speeds as CSV")
                             ->type_name("rpm=FROM:TO:STEP");
    sweep->excludes(report)->excludes(json)->excludes(point);
}

// The --die and --sweep texts, read before any file is touched; the reason
// when one cannot be read.
std::string ReadTextOptions(Options& options) {
    if (!options.dieText.empty()) {
        veredod::DieParse parse = veredod::ParseDie(options.dieText);
        if (!parse.error.empty()) return "--die: " + parse.error;
        options.die = std::move(parse.die);
    }
    if (!options.sweepText.empty()) {
        const veredod::SpeedRangeParse parse = veredod::ParseSpeedRange(options.sweepText);
        if (!parse.error.empty()) return "--sweep: " + parse.error;
        options.sweep = parse.range;
    }
    return {};
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

// The rows up to the first speed without an operating point; that speed's
// reason on standard error.
int PrintSweep(const MainModel& model, const veredod::SpeedRange& range) {
    const veredod::Sweep sweep = veredod::SweepSpeeds(model.currentCase(), model.resinTable(),
                                                      model.modes(), model.die(), range);
    std::cout << veredod::SweepCsv(sweep.rows);
    std::cout.flush();
    if (sweep.error.empty()) return kExitOk;
    std::cerr << "veredod-calc: " << sweep.error << '\n';
    return kExitNoOperatingPoint;
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
    if (options.die) model.setDie(*options.die);
    model.mnuCalc_Click();
    if (options.switchUnits) model.selectUnits(1 - model.state().optUnits.selected);

    if (!options.sweepText.empty()) return PrintSweep(model, options.sweep);
    veredod::OperatingPoint point;
    if (options.operatingPoint) {
        point = veredod::FindOperatingPoint(model.currentCase(), model.resinTable(), model.modes(),
                                            model.die());
    }
    const int status = point.found() ? kExitOk : kExitNoOperatingPoint;

    if (options.json) {
        nlohmann::ordered_json object = veredod::CaseToJson(
            model, options.operatingPoint && point.found() ? &point.results : nullptr);
        if (options.operatingPoint) object["OperatingPoint"] = veredod::OperatingPointToJson(point);
        std::cout << object.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else if (options.operatingPoint) {
        PrintLines(veredod::OperatingPointLines(point, model.modes().unitSystem));
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
    return status;
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
    if (const std::string error = ReadTextOptions(options); !error.empty()) {
        std::cerr << "veredod-calc: " << error << '\n' << kUsage;
        return kExitUsage;
    }
    return Run(options);
}
