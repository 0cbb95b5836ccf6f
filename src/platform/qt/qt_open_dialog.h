#pragma once
// The open-file dialog: Qt's own (not the desktop's), so it behaves the same everywhere.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <optional>
#include <string>

class QWidget;
class TOpenDialog;

// "desc|pat|desc|pat" as Qt name filters, "desc (pat)", with ';' between patterns made spaces.
QStringList QtNameFilters(const std::string& filter);
// Which of `filters` the dialog reports as `selected`, with or without its patterns; -1 for none.
qsizetype NameFilterIndex(const QStringList& filters, const QString& selected);
// Where a window of outer size `size` opens on `screen`: centred across, a third of the room
// above it and two thirds below.
QPoint OpenDialogPosition(const QRect& screen, const QSize& size);
// The first `limit` bytes of `fileName`, never ending inside a double-byte character.
std::string InitialFileName(const std::string& fileName, size_t limit = 260);

// Runs the dialog modally over `parent`. The chosen full path, or nothing when cancelled; the
// dialog's FilterIndex follows the confirmed filter.
std::optional<std::string> ExecuteQtOpenDialog(QWidget* parent, TOpenDialog& dialog);
