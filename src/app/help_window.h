#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

class QTextBrowser;

namespace meridex {

class Dialogs;

// The help viewer: HTML pages shipped in the help folder, opened at the
// index or at a named page; links between pages work.
class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  THelpWindow(Dialogs& dialogs, std::filesystem::path helpDir, QWidget* parent = nullptr);

  // Opens `page` ("index.html" when empty).
  void showPage(const std::string& page);
  // The title of the page shown.
  QString pageTitle() const;

 private:
  std::filesystem::path helpDir_;
  QTextBrowser* browser_;
};

}  // namespace meridex
