#pragma once
// THelpForm shows the program's Turkish help pages, shipped inside the program as Qt
// resources under :/help/. A window's page is named after its help context number
// ("101.html"); windows without a number have a named page; "index.html" is the
// contents. Areas add their pages to the resources with the same prefix.

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace kalvodrin {

inline constexpr const char* kHelpContents = "index";

// The page name of a help context number.
QString HelpTopicPage(int contextNumber);
// True when the page exists among the resources.
bool HelpPageExists(const QString& page);

class THelpForm : public QDialog {
  Q_OBJECT

 public:
  explicit THelpForm(QWidget* parent = nullptr);

  // Shows the page modally; a page that does not exist shows the contents.
  void ShowPage(const QString& page);
  void ShowTopic(int contextNumber) { ShowPage(HelpTopicPage(contextNumber)); }
  void ShowContents() { ShowPage(kHelpContents); }

  // Loads the page without showing the window (for tests and screenshots).
  void Load(const QString& page);
  QString currentPage() const { return page_; }

 private:
  QTextBrowser* helpText_;
  QString page_;
};

}  // namespace kalvodrin
