// The help pages: every topic the program asks for has its page, the contents reach every
// page, and no link leads nowhere.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "app/help_window.h"

namespace px {
namespace {

QString Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Links(const QString& html) {
  static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
  QStringList links;
  for (auto it = href.globalMatch(html); it.hasNext();) links << it.next().captured(1);
  return links;
}

TEST(Help, ContentsReachEveryPageAndEveryLinkLeadsSomewhere) {
  const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
  ASSERT_GT(pages.size(), 10);
  const QStringList fromContents = Links(Read(QStringLiteral(":/help/index.html")));
  for (const QString& page : pages) {
    if (page != QLatin1String("index.html")) {
      EXPECT_TRUE(fromContents.contains(page)) << page.toStdString();
    }
    for (const QString& link : Links(Read(QStringLiteral(":/help/") + page)))
      EXPECT_TRUE(pages.contains(link)) << page.toStdString() << " links to " << link.toStdString();
  }
}

TEST(Help, ContentsAndTopicsOpenInTheHelpWindow) {
  HelpWindow::ShowContents();
  EXPECT_TRUE(HelpWindow::Instance().isVisible());
  EXPECT_EQ(HelpWindow::Instance().browser()->source().fileName(), QStringLiteral("index.html"));
  EXPECT_TRUE(HelpWindow::Instance().browser()->toPlainText().contains(QStringLiteral("Pyxaro Help")));
  // Each dialog's Help opens its topic (tests/qt/dialogs); a topic without a page falls back
  // to the contents.
  EXPECT_FALSE(HelpWindow::HasTopic(QStringLiteral("The Edit Paste Show Command")));
  HelpWindow::ShowTopic(QStringLiteral("The Edit Paste Show Command"));
  EXPECT_EQ(HelpWindow::Instance().browser()->source().fileName(), QStringLiteral("index.html"));
}

}  // namespace
}  // namespace px
