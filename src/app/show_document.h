#pragma once
// An open show: the document with the file it came from and the title its windows show.
#include <QString>
#include <memory>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace px {

class ShowDocument {
 public:
  // A new show, titled "Pyxaro 1", "Pyxaro 2", ... in the order they are made.
  static std::unique_ptr<ShowDocument> New();
  // Reads the file into a fresh document; on failure `result` holds the document message and
  // nothing is returned.
  static std::unique_ptr<ShowDocument> Open(const QString& path, FileResult& result);

  CPxDoc& doc() { return *m_doc; }
  const CPxDoc& doc() const { return *m_doc; }
  const QString& Path() const { return m_path; }
  QString Title() const;
  bool IsModified() const { return m_doc->IsModified(); }

  // Writes the show to `path`; on success the show takes that file as its own.
  FileResult SaveAs(const QString& path);

 private:
  ShowDocument(std::unique_ptr<CPxDoc> doc, QString path, QString untitledName);

  std::unique_ptr<CPxDoc> m_doc;
  QString m_path;
  QString m_untitledName;
};

}  // namespace px
