#include "app/recent_files.h"

#include <QFileInfo>

namespace px {
namespace {

const QString kSection = QStringLiteral("Recent File List");

QString Key(int index) { return QStringLiteral("File%1").arg(index + 1); }

// Two names of one file count as the same entry.
QString Canonical(const QString& path) {
  const QFileInfo info(path);
  return info.exists() ? info.absoluteFilePath() : path;
}

}  // namespace

RecentFiles::RecentFiles(QSettings& settings) : m_settings(settings) {
  m_settings.beginGroup(kSection);
  for (int i = 0; i < kSize; ++i) {
    const QString file = m_settings.value(Key(i)).toString();
    if (!file.isEmpty()) m_files.append(file);
  }
  m_settings.endGroup();
}

void RecentFiles::Add(const QString& path) {
  const QString file = Canonical(path);
  m_files.removeAll(file);
  m_files.prepend(file);
  while (m_files.size() > kSize) m_files.removeLast();
  Write();
}

void RecentFiles::Remove(const QString& path) {
  if (m_files.removeAll(path) + m_files.removeAll(Canonical(path)) > 0) Write();
}

void RecentFiles::Write() {
  m_settings.beginGroup(kSection);
  for (int i = 0; i < kSize; ++i) {
    if (i < m_files.size())
      m_settings.setValue(Key(i), m_files[i]);
    else
      m_settings.remove(Key(i));
  }
  m_settings.endGroup();
  m_settings.sync();
}

}  // namespace px
