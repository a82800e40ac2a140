// The baseline of the start-up measurement: a Qt program that shows one
// empty window and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare Window");
  window.resize(624, 483);
  window.show();
  return QApplication::exec();
}
