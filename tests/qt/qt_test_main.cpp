// The GUI tests run on the offscreen platform inside one application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Listing the tests at build time runs without the test environment.
  QTemporaryDir runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  // Songs play on the silent device: no sound card, sequencer or audio server is needed.
  if (qEnvironmentVariableIsEmpty("PYXARO_MIDI")) qputenv("PYXARO_MIDI", "null");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("PyxaroTests"));
  return RUN_ALL_TESTS();
}
