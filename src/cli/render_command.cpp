// pyxaro-cli render and print: one step as a picture, and the field charts printing would
// make, drawn with the desktop program's drawing code.
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

#include "core/doc/pxdoc.h"
#include "cli/commands.h"
#include "qtdraw/chart_output.h"

namespace px {
namespace {

// Fails with the system's reason when `path` cannot be made: its folder is missing or not
// writable, or it is a folder itself. (Qt would only warn that painting could not begin.)
void CheckWritable(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  int error = 0;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
    error = EISDIR;
  else if (::access(folder.c_str(), W_OK | X_OK) != 0)
    error = errno;
  if (error) Fail("cannot write " + path + ": " + std::strerror(error) + MissingFolderNote(path));
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

int RenderCommand(const Args& args) {
  const Options options(args, {{"-o"}, {"--step"}, {"--width"}, {"--height"}, {"--3d", false}}, 1);
  if (!options.Value("-o")) FailUsage("no output file given (-o)");
  if (!options.Value("--step")) FailUsage("no step given (--step)");
  const std::string& output = *options.Value("-o");
  const QSize size(options.Int("--width", 16, 16384, 1920), options.Int("--height", 16, 16384, 1200));
  auto doc = OpenShowOrFail(options.Positional(0));
  const int step = StepOption(options, "--step", *doc, 0);
  CheckWritable(output);
  const auto app = StartGui();
  QString error;
  if (!WriteStepImage(QString::fromStdString(output), *doc, step, size, options.Has("--3d"), &error))
    Fail("render: " + error.toStdString());
  return 0;
}

int PrintCommand(const Args& args) {
  const Options options(args, {{"-o"}}, 1);
  if (!options.Value("-o")) FailUsage("no output file given (-o)");
  const std::string& output = *options.Value("-o");
  auto doc = OpenShowOrFail(options.Positional(0));
  CheckWritable(output);
  const auto app = StartGui();
  QString error;
  if (!WriteChartPdf(QString::fromStdString(output), *doc, &error)) Fail("print: " + error.toStdString());
  std::cout << ChartPageCount(*doc) << " pages written to " << output << "\n";
  return 0;
}

}  // namespace px
