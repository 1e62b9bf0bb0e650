#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>

#include "automation/module.h"
#include "cli/automation_call.h"
#include "cli/batch_run.h"
#include "cli/command_line_alerts.h"
#include "cli/drawing_session.h"
#include "cli/font_map_commands.h"
#include "cli/new_text.h"
#include "cli/progress.h"
#include "cli/scripted_run.h"
#include "cli/terminal_text.h"
#include "cli/text_listing.h"
#include "drawing_ops/font_converter.h"
#include "drawing_ops/plot_preparation.h"
#include "drawing_ops/revit_copy.h"
#include "encoding/tfrm_fonts.h"
#include "host/utf8.h"

namespace vrn::cli {
namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kFirstHandleKind = 11;

// A command line that parses but asks for something impossible.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a command reads from the data directory. A file it needs that
// exists but cannot be read ends it before it does anything (its result
// would be wrong); one it does not need is only mentioned.
struct SettingsUse {
  bool fontMap = false;   // VrnFonts.txt, or the map of --font-map
  bool settings = false;  // Hebrew.ini
};
constexpr SettingsUse kNoSettings{};
constexpr SettingsUse kFontMap{true, false};
constexpr SettingsUse kFontMapAndSettings{true, true};

struct Context {
  std::ostream& out;
  std::ostream& err;
  Progress progress;
  std::optional<std::string> dataDir;
  std::optional<std::string> fontMap;

  // Starts the module on the chosen data directory; a font map given on
  // the command line is loaded as the font form's Load button does, so the
  // data directory's own map stays untouched.
  std::unique_ptr<automation::Module> startModule(SettingsUse use,
                                                  ui::Toolkit* toolkit = nullptr) const {
    automation::ModuleOptions options;
    if (dataDir) {
      checkDataDir(*dataDir);
      options.dataDir = *dataDir;
    }
    options.toolkit = toolkit;
    auto module = std::make_unique<automation::Module>(std::move(options));
    encoding::TfrmFonts& fonts = module->frmFonts();
    if (fontMap) {
      if (!std::filesystem::is_regular_file(*fontMap)) {
        throw std::runtime_error(*fontMap + ": no such font map");
      }
      fonts.loadFontMap(*fontMap);
    }
    reportUnreadable(fonts.settingsReadError(), use.settings);
    reportUnreadable(fonts.fontMapReadError(), use.fontMap);
    if (use.fontMap && !fontMap && !std::filesystem::is_directory(module->DataDir())) {
      err << "vrn: warning: no data directory (" << terminalSafe(module->DataDir().string())
          << " does not exist): no font map is in use\n";
    }
    return module;
  }

  // A folder the user named must be there: without it every font would
  // read as unmapped, and nothing would tell.
  static void checkDataDir(const std::string& folder) {
    const auto fail = [&folder](const std::string& why) {
      throw std::runtime_error("--data-dir " + folder + ": " + why);
    };
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (error && error != std::errc::no_such_file_or_directory) {
      fail("cannot be read (" + error.message() + ")");
    }
    if (!std::filesystem::exists(status)) fail("no such folder");
    if (!std::filesystem::is_directory(status)) fail("not a folder");
    std::filesystem::directory_iterator(folder, error);
    if (error) fail("cannot be read (" + error.message() + ")");
  }

  // The module saves its settings when it unloads, where a failure can only
  // be swallowed: a command that may change them saves them here instead.
  void saveSettings(automation::Module& module) const {
    try {
      module.frmFonts().saveSettings();
    } catch (const std::exception& e) {
      err << "vrn: warning: the settings this command changed were not saved: "
          << terminalSafe(e.what()) << '\n';
    }
  }

  void reportUnreadable(const std::optional<platform::IniReadError>& error, bool needed) const {
    if (!error) return;
    if (needed) throw *error;
    err << "vrn: warning: " << terminalSafe(error->what()) << '\n';
  }
};

void printVrnstr(automation::Tautovrn& object, std::ostream& out) {
  out << utf16ToUtf8(callMember(object, "Vrnstr", {}).toString()) << '\n';
}

// acadtostr and strtoacad: the text itself for kinds up to 10, an entity
// handle of --drawing for kinds above.
struct Conversion {
  std::string member;
  int kind = 0;
  std::string text;
  std::optional<std::string> drawing;
  std::optional<std::string> output;

  void run(Context& context) const {
    const bool byHandle = kind >= kFirstHandleKind;
    if (byHandle && !drawing) {
      throw UsageError(
          "a kind above 10 takes an entity handle: give its drawing with --drawing FILE");
    }
    if (!byHandle && (drawing || output)) {
      throw UsageError("--drawing and -o go with kinds above 10 (an entity handle)");
    }
    const auto module = context.startModule(byHandle ? kFontMap : kNoSettings);
    automation::Tautovrn object;
    std::optional<DrawingSession> session;
    if (drawing) session.emplace(object, *drawing, context.progress);
    callMember(object, member, {utf8ToUtf16(text), static_cast<std::int32_t>(kind)});
    if (member == "strtoacad" && session) session->save(output);
    printVrnstr(object, context.out);
  }
};

struct Texts {
  std::string file;
  bool json = false;

  void run(Context& context) const {
    const auto module = context.startModule(kFontMap);
    automation::Tautovrn object;
    const DrawingSession session(object, file, context.progress);
    if (json) {
      JsonTextWriter writer(context.out);
      readTexts(*module, session.document(), context.progress,
                [&writer](const TextRecord& text) { writer.add(text); });
      writer.finish();
    } else {
      readTexts(*module, session.document(), context.progress,
                [&context](const TextRecord& text) { printText(text, context.out); });
    }
  }
};

// db-exec and db-table: the Cmd sub-commands db_sqlexec and db_gettable.
struct Database {
  std::string subCommand;
  std::string database;
  std::string sql;

  void run(Context& context) const {
    // A query on a file that is not there would create it.
    if (subCommand == "db_gettable" && !std::filesystem::exists(database)) {
      throw std::runtime_error(database + ": no such database file");
    }
    const auto module = context.startModule(kNoSettings);
    automation::Tautovrn object;
    callMember(object, "Cmd", {utf8ToUtf16(subCommand), utf8ToUtf16(database), utf8ToUtf16(sql)});
    // The rows come as the automation caller reads them, CR LF lines included.
    if (subCommand == "db_gettable")
      context.out << utf16ToUtf8(callMember(object, "Vrnstr", {}).toString());
  }
};

// The forms a member shows meet the scripted user; the drawing is saved
// only when the script ran through.
struct Forms {
  std::optional<std::string> script;
  std::optional<std::string> transcript;

  void addOptions(CLI::App& command) {
    command.add_option("--script", script, "What the user does in the forms (see README: Scripts)");
    command.add_option("--transcript", transcript,
                       "Write every form, message box and prompt shown here");
  }
};

// Runs member on the drawing with the forms shown to the scripted user.
void callWithForms(automation::Tautovrn& object, ScriptedRun& run, DrawingSession& session,
                   std::string_view member, std::vector<host::Variant> args) {
  run.start(session.application());
  try {
    callMember(object, member, std::move(args));
    answerAlerts(*session.application().activeDocument(), run.toolkit());
  } catch (...) {
    run.finishAfterFailure();
    throw;
  }
  run.finish();
}

struct Call {
  std::string file;
  std::string member;
  std::vector<std::string> args;
  std::optional<std::string> output;
  Forms forms;

  void run(Context& context) const {
    ScriptedRun scripted(forms.script, forms.transcript);
    const auto module = context.startModule(kFontMapAndSettings, &scripted.toolkit());
    automation::Tautovrn object;
    DrawingSession session(object, file, context.progress);
    std::vector<host::Variant> values;
    for (const std::string& arg : args) values.emplace_back(utf8ToUtf16(arg));
    callWithForms(object, scripted, session, member, std::move(values));
    if (session.changed() || output) session.save(output);
    context.saveSettings(*module);
    printVrnstr(object, context.out);
  }
};

// A new single-line text made as the AutoCAD-side routine makes it, then
// the single-line editor on it.
struct NewText {
  std::string file;
  std::string style;
  std::string at;
  std::optional<double> height;
  std::optional<std::string> output;
  Forms forms;

  void run(Context& context) const {
    const std::optional<host::Point3> point = parsePoint(at);
    if (!point) throw UsageError("--at takes X,Y or X,Y,Z, not " + at);
    ScriptedRun scripted(forms.script, forms.transcript);
    const auto module = context.startModule(kFontMapAndSettings, &scripted.toolkit());
    automation::Tautovrn object;
    DrawingSession session(object, file, context.progress);
    const std::u16string handle =
        createSingleLineText(session.document(), utf8ToUtf16(style), *point, height);
    callWithForms(object, scripted, session, "newtext", {host::Variant(handle)});
    session.save(output);
    context.saveSettings(*module);
  }
};

// The font map's answer for each font, asked by one drawing at a time.
drawing_ops::FontTypeOf sharedFontTypes(encoding::TfrmFonts& fonts) {
  auto lock = std::make_shared<std::mutex>();
  return [&fonts, lock](std::u16string_view font) {
    const std::lock_guard guard(*lock);
    return fonts.GetFntType(font);
  };
}

std::vector<std::u16string> fontList(const std::string& commaSeparated) {
  std::vector<std::u16string> fonts;
  std::size_t from = 0;
  while (from <= commaSeparated.size()) {
    const std::size_t comma = std::min(commaSeparated.find(',', from), commaSeparated.size());
    if (comma > from) fonts.push_back(utf8ToUtf16(commaSeparated.substr(from, comma - from)));
    from = comma + 1;
  }
  return fonts;
}

// convert-fonts and remap: the font converter's two walks over many drawings.
struct FontBatch {
  BatchFiles files;
  std::string fonts;
  std::string style;     // convert-fonts
  bool rtl = false;      // convert-fonts
  fntType to{};          // remap
  bool reverse = false;  // remap

  void addCommon(CLI::App& command) {
    command.add_option("FILE", files.inputs, "DXF drawings, or folders of them")->required();
    command.add_option("--fonts", fonts, "Font files whose texts change, comma-separated")
        ->required();
    command.add_option("-o,--output", files.output,
                       "Write here (a folder when several drawings) instead of in place");
    command.add_option("-j,--jobs", files.jobs, "Drawings worked on at once (default: cores)");
  }

  int run(Context& context, bool remap) const {
    const auto module = context.startModule(kFontMap);
    const drawing_ops::FontTypeOf typeOf = sharedFontTypes(module->frmFonts());
    const std::vector<std::u16string> fontFiles = fontList(fonts);
    const bool ok = runBatch(
        files,
        [&](const host::Ref& document) {
          if (remap) {
            return drawing_ops::remapFonts(document, typeOf, {fontFiles, to, reverse});
          }
          return drawing_ops::convertFonts(document, typeOf,
                                           {fontFiles, utf8ToUtf16(style), rtl, false});
        },
        context.progress, context.out, context.err);
    return ok ? 0 : kFailed;
  }
};

// The Revit copy of one drawing; the drawing itself is never written.
struct RevitCopy {
  std::string file;
  std::optional<std::string> output;
  bool force = false;

  int run(Context& context) const {
    const std::string target = output.value_or(drawing_ops::revitCopyName(file));
    std::error_code ignored;
    if (std::filesystem::weakly_canonical(target, ignored) ==
        std::filesystem::weakly_canonical(file, ignored)) {
      throw UsageError("the Revit copy must not replace its base drawing " + file);
    }
    if (std::filesystem::exists(target) && !force) {
      throw UsageError(target + " exists; give --force to replace it");
    }
    const auto module = context.startModule(kFontMapAndSettings);
    const drawing_ops::FontTypeOf typeOf = sharedFontTypes(module->frmFonts());
    const bool reverseTTF = module->Rinistr().reverseTTF;
    BatchFiles files{{file}, target, 1};
    const bool ok = runBatch(
        files,
        [&](const host::Ref& document) {
          return drawing_ops::convertForRevit(document, typeOf, reverseTTF);
        },
        context.progress, context.out, context.err);
    return ok ? 0 : kFailed;
  }
};

// Plot preparation into another file: display order must never replace a
// drawing in place.
struct PlotPrep {
  std::string file;
  std::string output;

  int run(Context& context) const {
    const auto module = context.startModule(kNoSettings);
    const bool ok = runBatch(
        BatchFiles{{file}, output, 1},
        [](const host::Ref& document) {
          return drawing_ops::WalkTally{drawing_ops::PreparePlot(document), 0, 0};
        },
        context.progress, context.out, context.err);
    return ok ? 0 : kFailed;
  }
};

// The font chart drawn by HShowfont and saved while its alert waits.
struct FontChart {
  std::string file;
  std::optional<std::string> style;
  std::string output;

  void run(Context& context) const {
    const auto module = context.startModule(kNoSettings);
    automation::Tautovrn object;
    DrawingSession session(object, file, context.progress);
    if (style) session.document().call("SetVariable", u"TEXTSTYLE", utf8ToUtf16(*style));
    callMember(object, "HShowfont", {});
    session.save(output);
  }
};

// On the main command, with every sub-command falling through to it, so the
// options are taken before or after the sub-command, as git-style tools do.
void addCommonOptions(CLI::App& app, Context& context) {
  app.fallthrough();
  app.add_option("--data-dir", context.dataDir,
                 "Folder of Hebrew.ini, VrnFonts.txt and vrn.db (default: Documents/Palwen/Vornel, "
                 "then the application-data folder, then the machine folder)");
  app.add_option("--font-map", context.fontMap,
                 "Font map to use instead of the data directory's VrnFonts.txt");
}

CLI::App* addConversion(CLI::App& app, Conversion& conversion, const std::string& name,
                        const std::string& kindName, const std::string& description) {
  conversion.member = name;
  CLI::App* command = app.add_subcommand(name, description);
  command
      ->add_option(kindName, conversion.kind,
                   "0 DosHebrew, 1 DosEnglish, 2 DosEnglishR, 3 WindowsHeb, 4 TrueType; "
                   "11 and up: TEXT is an entity handle")
      ->required()
      ->check(CLI::Range(-128, 127));
  command->add_option("TEXT", conversion.text, "The text (UTF-8), or the entity handle")
      ->required();
  command->add_option("--drawing", conversion.drawing, "The DXF drawing that holds the entity");
  return command;
}

}  // namespace

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        bool showProgress) {
  CLI::App app{"vrn: Hebrew text in AutoCAD drawings (DXF files)", "vrn"};
  app.require_subcommand(1);
  Context context{out, err, Progress(err, showProgress), std::nullopt, std::nullopt};
  addCommonOptions(app, context);  // before the sub-commands, which inherit the fallthrough
  std::function<void()> action;
  int status = 0;

  Conversion toStr;
  CLI::App* acadtostr = addConversion(app, toStr, "acadtostr", "KIND",
                                      "Stored text to reading order (the result of Vrnstr)");
  acadtostr->callback([&] { action = [&] { toStr.run(context); }; });

  Conversion toAcad;
  CLI::App* strtoacad =
      addConversion(app, toAcad, "strtoacad", "TYPE",
                    "Reading order to stored text; by handle it is written into the drawing");
  strtoacad->add_option("-o,--output", toAcad.output, "Write the drawing here instead of in place");
  strtoacad->callback([&] { action = [&] { toAcad.run(context); }; });

  Texts texts;
  CLI::App* textsCommand = app.add_subcommand("texts", "Every text of a drawing, in reading order");
  textsCommand->add_option("FILE", texts.file, "DXF drawing")->required();
  textsCommand->add_flag("--json", texts.json, "One JSON array of objects");
  textsCommand->callback([&] { action = [&] { texts.run(context); }; });

  FontMapCommand fonts;
  CLI::App* fontsCommand = app.add_subcommand("fonts", "Print the font map");
  CLI::App* fontsSet = fontsCommand->add_subcommand("set", "Record the type of a font");
  fontsSet->add_option("FONT", fonts.font, "Font file name, e.g. hebrew.shx")
      ->required()
      ->check(CLI::Validator([](std::string& font) { return fontNameProblem(font); }, "", "FONT"));
  fontsSet
      ->add_option("TYPE", fonts.type, "DosHebrew, DosEnglish, DosEnglishR, Windows or TrueType")
      ->required()
      ->transform(CLI::CheckedTransformer(fontTypeWords(), CLI::ignore_case));
  fontsCommand->callback([&] {
    action = [&] { fonts.run(*context.startModule(kFontMap), fontsSet->parsed(), context.out); };
  });

  Database dbExec{"db_sqlexec", {}, {}};
  CLI::App* dbExecCommand =
      app.add_subcommand("db-exec", "Execute one SQL statement on a database file");
  dbExecCommand->add_option("DB", dbExec.database, "SQLite database file")->required();
  dbExecCommand->add_option("SQL", dbExec.sql, "One statement")->required();
  dbExecCommand->callback([&] { action = [&] { dbExec.run(context); }; });

  Database dbTable{"db_gettable", {}, {}};
  CLI::App* dbTableCommand = app.add_subcommand(
      "db-table", "Run a query and print its rows as the automation caller gets them");
  dbTableCommand->add_option("DB", dbTable.database, "SQLite database file")->required();
  dbTableCommand->add_option("SQL", dbTable.sql, "A query")->required();
  dbTableCommand->callback([&] { action = [&] { dbTable.run(context); }; });

  Call call;
  CLI::App* callCommand = app.add_subcommand(
      "call", "Call a member of the automation object on a drawing, then print Vrnstr");
  callCommand->add_option("FILE", call.file, "DXF drawing (SetApp is done for you)")->required();
  callCommand->add_option("MEMBER", call.member, "Member name, e.g. acadtostr")->required();
  callCommand->add_option("ARGS", call.args, "The member's arguments");
  callCommand->add_option("-o,--output", call.output, "Write the drawing here instead of in place");
  call.forms.addOptions(*callCommand);
  callCommand->callback([&] { action = [&] { call.run(context); }; });

  NewText newText;
  CLI::App* newTextCommand = app.add_subcommand(
      "newtext", "Make a single-line text and type it in the single-line editor");
  newTextCommand->add_option("FILE", newText.file, "DXF drawing")->required();
  newTextCommand->add_option("--style", newText.style, "Text style of the new text")->required();
  newTextCommand->add_option("--at", newText.at, "Insertion point X,Y or X,Y,Z")->required();
  newTextCommand->add_option("--height", newText.height,
                             "Text height (default: the drawing's TEXTSIZE)");
  newTextCommand->add_option("-o,--output", newText.output,
                             "Write the drawing here instead of in place");
  newText.forms.addOptions(*newTextCommand);
  newTextCommand->callback([&] { action = [&] { newText.run(context); }; });

  FontBatch convertFonts;
  CLI::App* convertCommand = app.add_subcommand(
      "convert-fonts", "Move the texts of some fonts to another style, converting them");
  convertFonts.addCommon(*convertCommand);
  convertCommand->add_option("--style", convertFonts.style, "The target text style")->required();
  convertCommand->add_flag("--rtl", convertFonts.rtl,
                           "Right-to-left order for a TrueType target style");
  convertCommand->callback([&] { action = [&] { status = convertFonts.run(context, false); }; });

  FontBatch remap;
  CLI::App* remapCommand =
      app.add_subcommand("remap", "Change the letter codes of the texts of some fonts");
  remap.addCommon(*remapCommand);
  remapCommand->add_option("--to", remap.to, "dos, english, windows or none")
      ->required()
      ->transform(
          CLI::CheckedTransformer(std::map<std::string, fntType>{{"dos", fntType::DosHebrew},
                                                                 {"english", fntType::DosEnglish},
                                                                 {"windows", fntType::WindowsHeb},
                                                                 {"none", fntType::TrueType}},
                                  CLI::ignore_case));
  remapCommand->add_flag("--reverse", remap.reverse, "Reverse every text");
  remapCommand->callback([&] { action = [&] { status = remap.run(context, true); }; });

  RevitCopy revit;
  CLI::App* revitCommand =
      app.add_subcommand("revit", "Write a copy of a drawing with its texts ready for Revit");
  revitCommand->add_option("FILE", revit.file, "DXF drawing (left as it is)")->required();
  revitCommand->add_option("-o,--output", revit.output,
                           "The copy (default: FILE's name with \"_Revit\" before its extension)");
  revitCommand->add_flag("--force", revit.force, "Replace the copy when it exists");
  revitCommand->callback([&] { action = [&] { status = revit.run(context); }; });

  PlotPrep plotPrep;
  CLI::App* plotCommand = app.add_subcommand(
      "plot-prep", "Write a copy whose TrueType texts are in display order, ready to plot");
  plotCommand->add_option("FILE", plotPrep.file, "DXF drawing (left as it is)")->required();
  plotCommand->add_option("-o,--output", plotPrep.output, "The copy")->required();
  plotCommand->callback([&] { action = [&] { status = plotPrep.run(context); }; });

  FontChart chart;
  CLI::App* chartCommand = app.add_subcommand(
      "font-chart", "Write a copy holding the chart of the 256 codes of a text style's font");
  chartCommand->add_option("FILE", chart.file, "DXF drawing (left as it is)")->required();
  chartCommand->add_option("--style", chart.style, "Text style (default: the active one)");
  chartCommand->add_option("-o,--output", chart.output, "The copy")->required();
  chartCommand->callback([&] { action = [&] { chart.run(context); }; });

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e, out, err);
    return code == 0 ? 0 : kUsage;
  }
  try {
    action();
    return status;
  } catch (const UsageError& e) {
    err << "vrn: " << terminalSafe(e.what()) << '\n';
    return kUsage;
  } catch (const std::exception& e) {
    context.progress.finish();
    err << "vrn: " << terminalSafe(e.what()) << '\n';
    return kFailed;
  }
}

}  // namespace vrn::cli
