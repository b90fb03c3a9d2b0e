#include "app/help_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace px {
namespace {

const QString kRoot = QStringLiteral(":/help/");
const QString kContents = QStringLiteral("index.html");

}  // namespace

QString HelpWindow::PageName(const QString& keyword) {
  static const QRegularExpression nonWord(QStringLiteral("[^a-z0-9]+"));
  QString name = keyword.toLower();
  name.replace(nonWord, QStringLiteral("-"));
  while (name.startsWith('-')) name.remove(0, 1);
  while (name.endsWith('-')) name.chop(1);
  return name + QStringLiteral(".html");
}

bool HelpWindow::HasTopic(const QString& keyword) { return QFile::exists(kRoot + PageName(keyword)); }

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), m_browser(new QTextBrowser) {
  setWindowTitle(tr("Pyxaro Help"));
  // An open help window does not keep the program running after the main window closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QToolBar;
  bar->addAction(tr("Contents"), this, [this] { ShowPage(kContents); });
  bar->addAction(tr("Back"), m_browser, &QTextBrowser::backward);
  bar->addAction(tr("Forward"), m_browser, &QTextBrowser::forward);
  layout->addWidget(bar);
  layout->addWidget(m_browser);
  m_browser->setSearchPaths({kRoot});
  m_browser->setOpenExternalLinks(true);
  resize(640, 720);
}

namespace {
QPointer<HelpWindow> g_window;
}

HelpWindow& HelpWindow::Instance() {
  if (!g_window) {
    g_window = new HelpWindow;
    // Top-level windows without a parent are deleted with the application.
    qAddPostRoutine([] { delete g_window.data(); });
  }
  return *g_window;
}

void HelpWindow::ShowPage(const QString& page) {
  m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowContents() { Instance().ShowPage(kContents); }

void HelpWindow::ShowTopic(const QString& keyword) {
  Instance().ShowPage(HasTopic(keyword) ? PageName(keyword) : kContents);
}

}  // namespace px
