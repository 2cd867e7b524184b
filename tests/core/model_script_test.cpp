// SPDX-License-Identifier: GPL-3.0-or-later
// The window's model driven as a user drives it, from scripts in
// tests/data/model/. A line "> action" runs the action and is followed by
// everything it did: message boxes (!), file dialogs (?), printed lines (|),
// opened addresses, the busy pointer, and each value that changed in the
// window state, the case (case.N is the Nth number of struct Case), the
// resin table and the files in the scratch folder. ": action" runs an action
// without recording it; other lines are comments. The test runs the actions
// and compares the whole text with the file. "format" makes a new model with
// another number format.

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <type_traits>

#include "model/die.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"
#include "support/words.h"
#include "window/about_content.h"
#include "window/links.h"
#include "window/main_model.h"

namespace veredod::testing {
namespace {

namespace fs = std::filesystem;
using Dump = std::vector<std::pair<std::string, std::string>>;

// A name as long as a folder entry may be: the file can be written, but not
// the temporary copy a safe save puts beside it, so saving it fails.
const std::string kLongName = std::string(251, 'r') + ".dat";

void Put(Dump& d, const std::string& key, const std::string& value) {
    d.emplace_back(key, Escaped(value));
}
void Put(Dump& d, const std::string& key, const Control& c) {
    Put(d, key, c.caption + " | " + c.help + (c.visible ? "" : " | hidden"));
}
void Put(Dump& d, const std::string& key, const Cell& c) {
    Put(d, key, c.text + " | " + c.help + (c.visible ? "" : " | hidden"));
}
template <class List>
void Put(Dump& d, const std::string& key, const List& items) {
    for (size_t i = 0; i < std::size(items); ++i)
        Put(d, key + "[" + std::to_string(i) + "]", items[i]);
}
void Put(Dump& d, const std::string& key, const OptionGroup& group) {
    Put(d, key, group.captions);
    Put(d, key + ".selected", std::to_string(group.selected));
}
// Keys and values in turn.
template <class Value, class... Rest>
void Put(Dump& d, const std::string& key, const Value& value, const Rest&... rest) {
    Put(d, key, value);
    if constexpr (sizeof...(rest) > 0) Put(d, rest...);
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// `watch` adds the status line, the results' hover texts, the cells'
// lenient-reading marks, the die tab (a disabled cell shows as -) and the
// Operating Point window.
Dump Snapshot(const MainModel& model, const fs::path& folder, bool watch) {
    Dump d;
    const WindowState& s = model.state();
    auto marks = [&d](const std::string& key, const auto& cells) {
        for (size_t i = 0; i < std::size(cells); ++i)
            if (cells[i].warning)
                Put(d, key + "[" + std::to_string(i) + "].mark", cells[i].warningTip);
    };
    if (watch) {
        Put(d, "statusBar", s.statusBar, "lstResultsTips", s.lstResultsTips);
        marks("txtVar", s.txtVar), marks("txtExtSys", s.txtExtSys);
        marks("txtMotorSpec", s.txtMotorSpec), marks("txtMatlProp", s.txtMatlProp);
        for (size_t r = 0; r < s.tabDie.rows.size(); ++r) {
            std::string row;
            for (const DieCell& c : s.tabDie.rows[r].cells) row += (c.enabled ? c.text : "-") + " ";
            Put(d, "tabDie[" + std::to_string(r) + "]", row);
        }
        Put(d, "tabDie.selected", std::to_string(s.tabDie.selectedRow), "tabDie.status",
            s.tabDie.status);
        const OperatingPointState& op = s.frmOperatingPoint;
        Put(d, "op",
            std::to_string(op.revision) + (op.visible ? " open" : "") +
                (op.usePressureEnabled ? " use" : "") + (op.exportCsvEnabled ? " csv" : "") +
                " series " + std::to_string(op.chartCharacteristics.series.size()) + " point " +
                std::to_string(op.chartCharacteristics.series.empty()
                                   ? 0
                                   : op.chartCharacteristics.series.back().points.size()) +
                " sweep " + std::to_string(model.sweep().rows.size()));
        Put(d, "op.text", op.txtOperatingPoint, "op.sweep", op.sweepText, "op.sweepMessage",
            op.chartSweep.message);
    }
    Put(d, "caption", s.caption, "frameScrewType", s.frameScrewTypeCaption, "optScrewType",
        s.optScrewType, "optUnits", s.optUnits, "optSectLength", s.optSectLength, "picScrew",
        s.picScrew, "Label5", s.Label5, "Label1", s.Label1, "txtVar", s.txtVar, "Label2", s.Label2,
        "txtMatlProp", s.txtMatlProp, "Label3", s.Label3, "txtExtSys", s.txtExtSys, "Label4",
        s.Label4, "txtMotorSpec", s.txtMotorSpec, "cmbResins.help", s.cmbResinsHelp, "cmbResins",
        s.cmbResins, "cmbResins.index", std::to_string(s.cmbResinsIndex), "cmbResins.revision",
        std::to_string(s.resinListRevision), "cmndAddResin", s.cmndAddResin, "cmndDeleteResin",
        s.cmndDeleteResin, "cmndToolBar", s.cmndToolBar, "lstResults", s.lstResults,
        "lstResults.font", s.lstResultsFont, "lstResults.revision",
        std::to_string(s.resultsRevision), "lblWebAddress", s.lblWebAddress, "CaseFile", s.CaseFile,
        "ResinFile", s.ResinFile);

    static_assert(std::is_trivially_copyable_v<Case> && sizeof(Case) % sizeof(double) == 0);
    std::array<double, sizeof(Case) / sizeof(double)> numbers;
    std::memcpy(numbers.data(), &model.currentCase(), sizeof(Case));
    for (size_t i = 0; i < numbers.size(); ++i)
        Put(d, "case." + std::to_string(i), Number(numbers[i]));

    const ResinTable& table = model.resinTable();
    Put(d, "resins",
        std::to_string(table.Resins.size()) + " last " + std::to_string(table.LastResin) +
            " current " + std::to_string(table.CurrentResin));
    for (size_t i = 0; i < std::min<size_t>(table.Resins.size(), 20); ++i) {
        const ResinRecord& r = table.Resins[i];
        std::string text = r.ResinName + (r.ResinIsMetric ? " | True |" : " | False |");
        for (int n = 0; n < ResinRecord::kNumberCount; ++n) text += " " + Number(r.number(n));
        Put(d, "resin[" + std::to_string(i) + "]", text);
    }
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = ReadBytes(entry.path().string());
    }
    for (const auto& [name, bytes] : files) {
        std::istringstream lines(bytes);
        int n = 0;
        for (std::string line; std::getline(lines, line);)
            Put(d, name + ":" + std::to_string(++n), line);
    }
    return d;
}

class Script {
public:
    std::string run(const std::string& text) {
        std::istringstream lines(text);
        std::string out;
        Dump before = Snapshot(*m_model, m_folder.root(), m_watch);
        bool renewed = false;
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("  ")) continue;
            out += line + "\n";
            if (!line.starts_with("> ") && !line.starts_with(": ")) continue;
            m_said.clear();
            const Words words = Split(line.substr(2));
            act(words);
            report();
            // A new model is compared with the last one until it has started
            // up, so that a second start-up shows only what it does
            // differently.
            renewed = renewed || words.at(0) == "format";
            if (renewed && line[0] == ':' && words[0] != "start" && words[0] != "startup") continue;
            renewed = false;
            const Dump after = Snapshot(*m_model, m_folder.root(), m_watch);
            changes(before, after);
            before = after;
            if (line[0] == '>') out += m_said;
        }
        out =
            Replaced(Replaced(out, VEREDOD_SOURCE_DIR, "{src}"), m_folder.root().string(), "{tmp}");
        // The sign a NaN prints with differs between processors.
        return Replaced(Replaced(out, kLongName, "{long}"), "-nan", "nan");
    }

private:
    void say(const std::string& line) { m_said += "  " + line + "\n"; }

    // A word with {tmp} for the scratch folder and {long} for kLongName.
    std::string path(const std::string& word) const {
        return Replaced(Replaced(word, "{long}", kLongName), "{tmp}", m_folder.root().string());
    }

    void act(const Words& w) {
        using Command = void (MainModel::*)();
        using Choice = void (MainModel::*)(int);
        static const std::map<std::string, Command> kCommands = {
            {"add", &MainModel::cmndAddResin_Click},
            {"delete", &MainModel::cmndDeleteResin_Click},
            {"new", &MainModel::mnuNew_Click},
            {"open", &MainModel::mnuOpen_Click},
            {"save", &MainModel::mnuSave_Click},
            {"saveas", &MainModel::mnuSaveAs_Click},
            {"print", &MainModel::mnuPrint_Click},
            {"calc", &MainModel::mnuCalc_Click},
            {"about", &MainModel::mnuAbout_Click},
            {"web", &MainModel::lblWebAddress_Click},
            {"update", &MainModel::UpdateCells},
            {"export", &MainModel::mnuExportPdf_Click},
            {"preview", &MainModel::mnuPrintPreview_Click},
            {"die-add", &MainModel::cmdAddDieRow_Click},
            {"die-remove", &MainModel::cmdRemoveDieRow_Click},
            {"op", &MainModel::mnuOperatingPoint_Click},
            {"op-close", &MainModel::frmOperatingPoint_Close},
            {"use-pressure", &MainModel::cmdUsePressure_Click},
            {"export-csv", &MainModel::cmdExportCsv_Click}};
        static const std::map<std::string, Choice> kChoices = {
            {"screw", &MainModel::selectScrewType},
            {"units", &MainModel::selectUnits},
            {"length", &MainModel::selectSectLength},
            {"resin", &MainModel::selectResin},
            {"click-units", &MainModel::optUnits_Click},
            {"toolbar", &MainModel::cmndToolBar_Click},
            {"click-length", &MainModel::optSectLength_Click},
            {"die-row", &MainModel::selectDieRow}};
        static const std::map<std::string, std::pair<CellGroup, void (MainModel::*)(int, int)>>
            kGroups = {{"Var", {CellGroup::Var, &MainModel::txtVar_KeyPress}},
                       {"ExtSys", {CellGroup::ExtSys, &MainModel::txtExtSys_KeyPress}},
                       {"MotorSpec", {CellGroup::MotorSpec, &MainModel::txtMotorSpec_KeyPress}},
                       {"MatlProp", {CellGroup::MatlProp, &MainModel::txtMatlProp_KeyPress}}};
        MainModel& m = *m_model;
        const std::string& a = w.at(0);
        auto n = [&w](size_t i) { return std::stoi(w.at(i)); };
        const std::string last = w.size() > 1 ? w.back() : "";
        if (kCommands.count(a)) return (m.*kCommands.at(a))();
        if (kChoices.count(a)) return (m.*kChoices.at(a))(n(1));
        const auto group = [&w] { return kGroups.at(w.at(1)).first; };
        if (a == "key") return (m.*kGroups.at(w.at(1)).second)(n(2), n(3));
        if (a == "text" || a == "type") m.setCellText(group(), n(2), w.size() > 3 ? last : "");
        if (a == "commit" || a == "type") return m.commitCell(group(), n(2));
        if (a == "format")
            m_model = std::make_unique<MainModel>(m_desktop, NumberFormat{w[1][0], w[2][0]});
        if (a == "copy" || a == "start") {
            const std::string name = a == "start" ? "resins.dat" : w.at(2);
            fs::create_directories(fs::path(path("{tmp}/" + name)).parent_path());
            WriteBytes(path("{tmp}/" + name), ReadBytes(SourcePath(w.at(1))));
            if (a == "start") m_desktop.answerFileDialog(path("{tmp}/" + name));
        }
        m_watch = m_watch || a == "watch";
        if (a == "launch")
            say(m.startUp({path(w.at(1)), w.size() > 2 ? path(last) : ""}) ? "= true" : "= false");
        if (a == "die") m.setDie(ParseDie(last).die);
        if (a == "die-shape") m.selectDieShape(n(1), n(2));
        if (a == "die-type") {
            m.setDieCellText(n(1), DieColumn(n(2)), w.size() > 3 ? last : "");
            m.tblDie_CellCommit(n(1), DieColumn(n(2)));
        }
        if (a == "sweep") {
            m.setSweepText(SweepCell(n(1)), last);
            m.txtSweep_LostFocus(SweepCell(n(1)));
        }
        if (a == "pdf-error") m_desktop.pdfError = last;
        if (a == "current-resin") m.mutableResins().CurrentResin = n(1);
        // What no cell can type: any number of the case or a resin, any resin name.
        if (a == "set-case") reinterpret_cast<double*>(&m.mutableCase())[n(1)] = std::stod(last);
        if (a == "set-resin") m.mutableResins().Resins.at(n(1)).number(n(2)) = std::stod(last);
        if (a == "set-name") m.mutableResins().Resins.at(n(1)).ResinName = last;
        if (a == "answer") m_desktop.answerFileDialog(path(last));
        if (a == "startup" || a == "start") say(m.startUp() ? "= true" : "= false");
        if (a == "printer") m_desktop.answerPrint(w.at(1) == "ok", w.size() > 2 ? last : "");
        if (a == "launcher") {
            m_desktop.answerLaunch({w.at(1) == "failed" ? LaunchResult::Status::GeneralFailure
                                                        : LaunchResult::Status::NoAssociation,
                                    n(2)});
        }
        if (a == "normalise") say("= " + NormaliseWebAddress(m_desktop, last).value_or("none"));
        if (a == "browser") say("= " + std::to_string(ShellToBrowser(m_desktop, last, 0)));
        if (a == "email") say("= " + std::to_string(ShellToEmail(m_desktop, last)));
        if (a == "about-link") {
            lblEmail_Click(m_desktop, n(1));
            if (IsAboutLink(n(1))) say("is a link");
        }
        if (a == "guide") say(UserGuideAddress(path(last)));
        if (a == "grow-table") {
            m.mutableResins().Resins.resize(kMaxResinIndex + 1);
            m.mutableResins().LastResin = kMaxResinIndex;
        }
    }

    // What the desktop was asked to do, in kinds, then forgotten.
    void report() {
        static const char* kIcons[] = {"Exclamation", "Information", "Critical"};
        for (const RecordedMessage& box : m_desktop.messages)
            say("! " + std::string(kIcons[static_cast<int>(box.icon)]) + " \"" + box.title +
                "\": " + Escaped(box.text) +
                (box.detail.empty() ? "" : " / " + Escaped(box.detail)));
        for (const FileDialogRequest& r : m_desktop.dialogs) {
            say(std::string("? ") + (r.mode == FileDialogRequest::Mode::Open ? "Open" : "Save") +
                " \"" + r.title + "\" name \"" + r.initialName + "\" ext " + r.defaultExtension +
                " \"" + r.filter + "\"" + (r.folderMustExist ? " folder" : "") +
                (r.fileMustExist ? " file-must-exist" : ""));
        }
        auto sayLines = [this](const std::string& head, const std::vector<std::string>& lines) {
            if (!head.empty()) say(head);
            for (const std::string& line : lines) say("| " + Escaped(line));
        };
        for (const auto& lines : m_desktop.printed) sayLines("", lines);
        for (const auto& [file, lines] : m_desktop.pdfs) sayLines("pdf " + file, lines);
        for (const auto& lines : m_desktop.previewed) sayLines("preview", lines);
        for (const std::string& address : m_desktop.openedAddresses) say("open " + address);
        for (bool busy : m_desktop.busyChanges) say(busy ? "busy" : "not busy");
        if (m_desktop.aboutShown > 0) say("About window x" + std::to_string(m_desktop.aboutShown));
        static_cast<DesktopRecords&>(m_desktop) = {};
    }

    void changes(const Dump& before, const Dump& after) {
        const std::map<std::string, std::string> old(before.begin(), before.end());
        const std::map<std::string, std::string> now(after.begin(), after.end());
        for (const auto& [key, value] : after) {
            const auto was = old.find(key);
            if (was == old.end() || was->second != value) say(key + " = " + value);
        }
        for (const auto& [key, value] : before) {
            if (now.count(key) == 0) say(key + " gone");
        }
    }

    TempFolder m_folder;
    ScriptedDesktop m_desktop;
    std::unique_ptr<MainModel> m_model = std::make_unique<MainModel>(m_desktop);
    std::string m_said;
    bool m_watch = false;
};

class ModelScript : public ::testing::TestWithParam<const char*> {};

TEST_P(ModelScript, DoesWhatTheScriptSays) {
    const std::string name = std::string("model/") + GetParam() + ".txt";
    ExpectGolden(name, Script().run(ReadBytes(SourcePath("tests/data/" + name))));
}

INSTANTIATE_TEST_SUITE_P(Scripts, ModelScript,
                         ::testing::Values("start_up", "calc", "modes", "units", "cells",
                                           "resin_commands", "case_commands", "shell_commands",
                                           "links", "status", "start_options", "die",
                                           "data_safety"));

}  // namespace
}  // namespace veredod::testing
