#pragma once
// The help window: pages of docs/help/, one per topic keyword ("The View Options Command"),
// compiled into the program and shown in a browser window that every Help button reuses.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace px {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // The page of a topic keyword: lower case, words joined by '-', ".html".
  static QString PageName(const QString& keyword);
  static bool HasTopic(const QString& keyword);

  // The one help window, made on first use.
  static HelpWindow& Instance();
  // "Help For Pyxaro...": the contents page.
  static void ShowContents();
  // A dialog's Help button: the page of its keyword (the contents when there is none).
  static void ShowTopic(const QString& keyword);

  QTextBrowser* browser() const { return m_browser; }

 private:
  HelpWindow();
  void ShowPage(const QString& page);

  QTextBrowser* m_browser;
};

}  // namespace px
