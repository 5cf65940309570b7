// The yardstick for start-up figures: an empty Qt window (a main window
// with a label), started and shown the way Chess Talvor is.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel("An empty window"));
  window.show();
  return QApplication::exec();
}
