// Meridex: world time and measures.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>
#include <variant>

#include "app/command_line.h"
#include "app/installation.h"
#include "app/program.h"
#include "app/single_instance.h"
#include "app/version.h"
#include "common/desktop.h"
#include "common/errors.h"
#include "common/qt_dialogs.h"
#include "common/qt_sound_player.h"
#include "common/window_style.h"

namespace {

using namespace meridex;
namespace fs = std::filesystem;

// The icon of every window: the PNG sizes rendered from the program's SVG
// icon, built into the executable.
QIcon ApplicationIcon() {
  QIcon icon;
  for (const QString& size : QDir(":/icon").entryList(QDir::Dirs)) {
    icon.addFile(":/icon/" + size + "/" MERIDEX_APP_ID ".png");
  }
  return icon;
}

// The user's data folder: $MERIDEX_HOME, or the per-user application data
// location (~/.local/share/meridex). Empty when neither can be named.
fs::path UserDataFolder() {
  if (const char* home = std::getenv("MERIDEX_HOME"); home != nullptr && *home != '\0') {
    std::error_code error;
    const fs::path absolute = fs::absolute(home, error);
    return error ? fs::path(home) : absolute;
  }
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

// The installation this executable belongs to, or a message saying where it
// looked.
std::variant<Installation, std::string> FindOwnInstallation() {
  const fs::path executable = QCoreApplication::applicationFilePath().toStdString();
  if (auto found = FindInstallation(executable, MERIDEX_DATA_FROM_BIN, MERIDEX_DOC_FROM_BIN)) {
    return *found;
  }
  return "Meridex cannot find the files it is installed with: \"" +
         (executable.parent_path() / MERIDEX_DATA_FROM_BIN).lexically_normal().string() +
         "\" holds no preferences file. Please reinstall Meridex.";
}

// Fills the user's data folder with the shipped files it lacks and makes it
// the working directory. Returns an error message, or nothing.
std::optional<std::string> PrepareDataFolder(const fs::path& dataDir, const fs::path& home) {
  try {
    ProvideUserFiles(dataDir, home);
  } catch (const AppError& e) {
    return "Meridex cannot set up your data folder \"" + home.string() + "\". " + e.what();
  }
  std::error_code error;
  fs::current_path(home, error);
  if (error) return "Meridex cannot work in \"" + home.string() + "\": " + error.message();
  return std::nullopt;
}

// The installed home page as a URL, or empty when it is missing.
std::string HomePage(const fs::path& docDir) {
  const fs::path page = docDir / "index.html";
  std::error_code error;
  if (!fs::is_regular_file(page, error)) return {};
  return QUrl::fromLocalFile(QString::fromStdString(page.string())).toString().toStdString();
}

// Reports a failure to start, in a message box and on standard error (the
// box may have no one to see it).
int FailToStart(Dialogs& dialogs, const std::string& message) {
  std::cerr << "meridex: " << message << '\n';
  dialogs.error(message);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // The command line is read before the GUI application exists, so that
  // --help and --version need no display.
  const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
  switch (command.action) {
    case CommandLineAction::PrintHelp:
    case CommandLineAction::PrintVersion:
      std::cout << command.text;
      return command.exitStatus;
    case CommandLineAction::Refuse:
      std::cerr << command.text;
      return command.exitStatus;
    case CommandLineAction::Run:
      break;
  }

  QApplication app(argc, argv);
  // The application name is the program's name: it names the data folder
  // and the window class the launcher matches.
  QApplication::setApplicationName("meridex");
  QApplication::setApplicationVersion(kVersionNumber);
  QGuiApplication::setDesktopFileName(MERIDEX_APP_ID);
  QApplication::setWindowIcon(ApplicationIcon());
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutions();

  QtDialogs dialogs;
  const fs::path home = UserDataFolder();
  if (home.empty()) {
    return FailToStart(dialogs,
                       "Meridex cannot find your home folder. Set HOME, or MERIDEX_HOME to the "
                       "folder Meridex should keep your files in.");
  }

  // One program per data folder: a second start brings the first to the front.
  SingleInstance instance(home, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
  switch (instance.claim()) {
    case SingleInstance::Start::HandedOver:
      std::cout << "Meridex is already running with the data folder \"" << home.string()
                << "\"; its window was brought to the front.\n";
      return 0;
    case SingleInstance::Start::NoAnswer:
      return FailToStart(dialogs, "Meridex is already running with the data folder \"" +
                                      home.string() + "\", but it does not answer.");
    case SingleInstance::Start::First:
      break;
  }
  const auto installation = FindOwnInstallation();
  if (const auto* problem = std::get_if<std::string>(&installation)) {
    return FailToStart(dialogs, *problem);
  }
  const Installation& shipped = std::get<Installation>(installation);
  if (const auto problem = PrepareDataFolder(shipped.dataDir, home)) {
    return FailToStart(dialogs, *problem);
  }

  SystemClock clock;
  QtSoundPlayer sound;
  QPointer<QWidget> mainWindow;
  QObject::connect(&instance, &SingleInstance::activationRequested, [&mainWindow] {
    if (mainWindow) Present(mainWindow);
  });
  // All data files are looked up in the working directory.
  return RunProgram(home,
                    MeridexApp::Seams{clock, dialogs, sound, ScreenPixelsPerInch,
                                      [] { QApplication::quit(); }, HomePage(shipped.docDir)},
                    [&mainWindow](QWidget* main) {
                      mainWindow = main;
                      return QApplication::exec();
                    });
}
