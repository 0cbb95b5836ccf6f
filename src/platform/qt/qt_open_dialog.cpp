#include "qt_open_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QScreen>

#include "platform/dialogs.h"
#include "platform/text.h"
#include "qt_text.h"

QStringList QtNameFilters(const std::string& filter) {
  QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << parts[i] + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')');
  }
  return filters;
}

qsizetype NameFilterIndex(const QStringList& filters, const QString& selected) {
  if (const qsizetype exact = filters.indexOf(selected); exact >= 0) return exact;
  // With the patterns hidden, Qt reports the description alone.
  for (qsizetype i = 0; i < filters.size(); ++i)
    if (filters[i].startsWith(selected + QStringLiteral(" ("))) return i;
  return -1;
}

QPoint OpenDialogPosition(const QRect& screen, const QSize& size) {
  return QPoint(screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 3);
}

std::string InitialFileName(const std::string& fileName, size_t limit) {
  if (fileName.size() <= limit) return fileName;
  size_t end = 0;
  while (end < limit) {
    const size_t length = CharLength(fileName, end);
    if (end + length > limit) break;
    end += length;
  }
  return fileName.substr(0, end);
}

std::optional<std::string> ExecuteQtOpenDialog(QWidget* parent, TOpenDialog& dialog) {
  QFileDialog box(parent);
  box.setObjectName(QStringLiteral("openDialog"));
  box.setOption(QFileDialog::DontUseNativeDialog);
  box.setOption(QFileDialog::HideNameFilterDetails);
  box.setAcceptMode(QFileDialog::AcceptOpen);
  box.setFileMode(QFileDialog::AnyFile);
  box.setWindowModality(Qt::ApplicationModal);
  box.setSizeGripEnabled(true);

  const QStringList filters = QtNameFilters(dialog.Filter);
  if (!filters.isEmpty()) {
    box.setNameFilters(filters);
    const int index = dialog.FilterIndex - 1;
    box.selectNameFilter(filters.value(index >= 0 && index < filters.size() ? index : 0));
  }
  const std::string initial = InitialFileName(dialog.FileName);
  if (!initial.empty()) box.selectFile(ToQString(initial));

  // Qt would centre it over the dialog; it opens centred on the screen that shows the dialog.
  box.adjustSize();
  QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
  const QSize frame = parent && parent->isWindow() ? parent->frameGeometry().size() - parent->geometry().size() : QSize();
  if (screen) box.move(OpenDialogPosition(screen->availableGeometry(), box.size() + frame));

  if (box.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = box.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  // A path the code page cannot hold is an error, not a choice: nothing of the dialog changes.
  std::string path = FromQString(chosen.first());
  const qsizetype confirmed = NameFilterIndex(filters, box.selectedNameFilter());
  if (confirmed >= 0) dialog.FilterIndex = static_cast<int>(confirmed) + 1;
  return path;
}
