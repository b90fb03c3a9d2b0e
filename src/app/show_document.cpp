#include "app/show_document.h"

#include <QFileInfo>

namespace px {

ShowDocument::ShowDocument(std::unique_ptr<CPxDoc> doc, QString path, QString untitledName)
    : m_doc(std::move(doc)), m_path(std::move(path)), m_untitledName(std::move(untitledName)) {}

std::unique_ptr<ShowDocument> ShowDocument::New() {
  static int untitledCount = 0;
  return std::unique_ptr<ShowDocument>(
      new ShowDocument(std::make_unique<CPxDoc>(), QString(), QStringLiteral("Pyxaro %1").arg(++untitledCount)));
}

std::unique_ptr<ShowDocument> ShowDocument::Open(const QString& path, FileResult& result) {
  auto doc = std::make_unique<CPxDoc>();
  result = ReadShowFile(path.toStdString(), *doc);
  if (!result.ok) return nullptr;
  doc->SetModifiedFlag(false);
  return std::unique_ptr<ShowDocument>(new ShowDocument(std::move(doc), QFileInfo(path).absoluteFilePath(), QString()));
}

QString ShowDocument::Title() const { return m_path.isEmpty() ? m_untitledName : QFileInfo(m_path).fileName(); }

FileResult ShowDocument::SaveAs(const QString& path) {
  const FileResult result = WriteShowFile(path.toStdString(), *m_doc);
  if (result.ok) m_path = QFileInfo(path).absoluteFilePath();
  return result;
}

}  // namespace px
