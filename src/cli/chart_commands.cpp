#include "cli/chart_commands.h"

#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>
#include <iostream>
#include <memory>
#include <optional>

#include "core/doc/pxdoc.h"
#include "cli/cli_common.h"
#include "qtdraw/chart_output.h"

namespace px {
namespace {

struct ChartOptions {
  std::string input;
  std::string output;
  int step = -1;
  int width = 1920;
  int height = 1200;
  bool threeD = false;
};

// Reads the options of render (withStep) or print; false after a message on misuse.
bool ParseOptions(const char* command, const std::vector<std::string>& args, bool render, ChartOptions& options) {
  const std::string usage = render ? "render FILE --step N -o OUT [--width W] [--height H] [--3d]" : "print FILE -o OUT.pdf";
  auto fail = [&](const std::string& why) {
    std::cerr << command << ": " << why << "\nusage: pyxaro-cli " << usage << "\n";
    return false;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "-o" && hasValue) {
      options.output = args[++i];
    } else if (render && arg == "--step" && hasValue) {
      const auto step = ParseInt(args[++i], 0);
      if (!step) return fail("--step needs a step number of 0 or more");
      options.step = *step;
    } else if (render && (arg == "--width" || arg == "--height") && hasValue) {
      const auto pixels = ParseInt(args[++i], 16);
      if (!pixels || *pixels > 16384) return fail(arg + " needs a number of pixels from 16 to 16384");
      (arg == "--width" ? options.width : options.height) = *pixels;
    } else if (render && arg == "--3d") {
      options.threeD = true;
    } else if (options.input.empty() && arg.rfind("-", 0) != 0) {
      options.input = arg;
    } else {
      return fail("unexpected argument " + arg);
    }
  }
  if (options.input.empty()) return fail("no show file given");
  if (options.output.empty()) return fail("no output file given (-o)");
  if (render && options.step < 0) return fail("no step given (--step)");
  return true;
}

// Text and pictures need a GUI application; the batch tool never opens a window.
struct Gui {
  Gui() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder; a batch run without a login session gets its own.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  QTemporaryDir runtime;
  int argc = 1;
  char name[11] = "pyxaro-cli";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QGuiApplication> app;
};

std::unique_ptr<Gui> StartGui() { return std::make_unique<Gui>(); }

}  // namespace

int CmdRender(const std::vector<std::string>& args) {
  ChartOptions options;
  if (!ParseOptions("render", args, true, options)) return 2;
  auto doc = OpenShowOrThrow(options.input);
  const auto app = StartGui();
  QString error;
  if (!WriteStepImage(QString::fromStdString(options.output), *doc, options.step, QSize(options.width, options.height),
                      options.threeD, &error)) {
    std::cerr << "render: " << error.toStdString() << "\n";
    return 1;
  }
  return 0;
}

int CmdPrint(const std::vector<std::string>& args) {
  ChartOptions options;
  if (!ParseOptions("print", args, false, options)) return 2;
  auto doc = OpenShowOrThrow(options.input);
  const auto app = StartGui();
  QString error;
  if (!WriteChartPdf(QString::fromStdString(options.output), *doc, &error)) {
    std::cerr << "print: " << error.toStdString() << "\n";
    return 1;
  }
  std::cout << ChartPageCount(*doc) << " pages written to " << options.output << "\n";
  return 0;
}

}  // namespace px
