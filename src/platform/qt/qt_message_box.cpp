#include "qt_message_box.h"

#include <QMessageBox>

#include "qt_text.h"

void ShowQtMessageBox(QWidget* parent, const std::string& title, const std::string& text, TMessageIcon icon) {
  QMessageBox::Icon qtIcon = QMessageBox::Critical;
  switch (icon) {
    case TMessageIcon::Error: qtIcon = QMessageBox::Critical; break;
  }
  QMessageBox box(qtIcon, ToQStringShowingBadBytes(title), ToQStringShowingBadBytes(text), QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("errorBox"));
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
