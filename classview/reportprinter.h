// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// Printing the class report through the desktop's print dialog. The dialog and the printer live in
// a module of their own (lapinar_print), loaded when the teacher first prints, so that neither the
// lesson nor the class window loads the printing libraries before then.
//
// What the module exports, under the name ReportPrinterSymbol: shows the print dialog over
// `parent`, and when the teacher prints, has `draw` draw the pages on the printer at `resolution`
// dots per inch, A4 with no margins of the printer's own; when the teacher prints to a file, has
// `toFile` write the report there instead, as the class view writes its files. Returns false with
// the reason in `error` when the pages could not be drawn or written; true when printed or when the
// teacher cancelled.
using ReportPrinter = bool (*)(QWidget *parent, const QString &title, int resolution,
                               const std::function<bool(QPagedPaintDevice &)> &draw,
                               const std::function<bool(const QString &file, QString *error)> &toFile, QString *error);
inline constexpr char ReportPrinterSymbol[] = "lapinarPrintReport";

namespace ReportPrinting {
// The printer, loaded on first use; nothing, with the reason in `error`, when it cannot be.
ReportPrinter load(QString *error);
} // namespace ReportPrinting
