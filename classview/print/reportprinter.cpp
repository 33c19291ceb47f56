// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's print dialog and its printer, for the class report.
#include "reportprinter.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool lapinarPrintReport(QWidget *parent, const QString &title, int resolution,
                                                 const std::function<bool(QPagedPaintDevice &)> &draw,
                                                 const std::function<bool(const QString &, QString *)> &toFile,
                                                 QString *error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("Lapinar"));
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setResolution(resolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    // The printer's own PDF file would be opened through any link of that name.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return toFile(printer.outputFileName(), error);
    printer.setResolution(resolution);
    if (!draw(printer)) {
        *error = QCoreApplication::translate("ClassView", "the pages could not be drawn for the printer");
        return false;
    }
    return true;
}
