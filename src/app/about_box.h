#pragma once

#include <QDialog>
#include <string>

#include "common/app_context.h"

class QLabel;
class QPushButton;

namespace meridex {

// The About box: the product picture, the version, who makes Meridex and how
// to reach them, the licence, the sources of the data, and a link that opens
// the program's home page in the browser.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  // `homePage` is the home page's URL, or empty when it is not installed.
  explicit TAboutBox(AppContext& ctx, std::string homePage = {}, QWidget* parent = nullptr);

  QLabel* Description = nullptr;
  QPushButton* WebButton = nullptr;
  QPushButton* OKButton = nullptr;

 private:
  void openHomePage();

  AppContext& ctx_;
  std::string homePage_;
};

}  // namespace meridex
