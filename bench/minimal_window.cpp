// The baseline for the start-up benchmark: the least a Qt Widgets program can do to show a window
// of the dialog's outer size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("MinimalWindow"));
  window.resize(336, 473);
  window.show();
  return app.exec();
}
