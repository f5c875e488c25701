#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

#include "ShowAndSignal.h"

// The least a Qt Widgets window that draws text costs: a main window of the form's size with
// the same three menus and their entries, one caption and one text box. It links Qt Widgets
// alone; the startup benchmark measures the program against it.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  auto* client = new QWidget(&window);
  client->setFixedSize(404, 366);
  window.setCentralWidget(client);
  window.setWindowTitle(QStringLiteral("Quistral"));
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&Flle"));
  for (const char* entry : {"&Print Form", "&Summary", "E&xit"}) file->addAction(entry);
  QMenu* edit = window.menuBar()->addMenu(QStringLiteral("&Edit"));
  for (const char* entry : {"&Next Item", "Next &Order", "-", "&Font", "Colo&r"}) {
    if (QString(entry) == "-") {
      edit->addSeparator();
    } else {
      edit->addAction(entry);
    }
  }
  window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
  auto* caption = new QLabel(QStringLiteral("&Name:"), client);
  caption->setGeometry(8, 24, 49, 17);
  auto* text = new QLineEdit(client);
  text->setGeometry(64, 24, 193, 19);
  caption->setBuddy(text);
  return ShowAndSignal(window);
}
