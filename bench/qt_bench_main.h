#pragma once
// The main of the benchmarks that paint: a GUI application on the offscreen platform, so
// QPainter has its fonts, then every benchmark of the program.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

inline int RunPaintingBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
