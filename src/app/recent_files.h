#pragma once
// The recent-file list: the last four shows opened or saved, newest first, kept in the
// settings under "Recent File List" as "File1" to "File4".
#include <QSettings>
#include <QString>
#include <QStringList>

namespace px {

class RecentFiles {
 public:
  static constexpr int kSize = 4;

  // Reads the list from the settings.
  explicit RecentFiles(QSettings& settings);

  const QStringList& Files() const { return m_files; }
  QString First() const { return m_files.isEmpty() ? QString() : m_files.front(); }

  // Puts the file at the top (moving it there when listed already) and writes the settings.
  void Add(const QString& path);
  // Drops a file that could not be opened.
  void Remove(const QString& path);

 private:
  void Write();

  QSettings& m_settings;
  QStringList m_files;
};

}  // namespace px
