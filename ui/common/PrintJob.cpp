#include "PrintJob.h"

#include "FileDialogs.h"
#include "KeepFocus.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr int FormMargin = 80;

QString AskForPdfFile(QWidget* parent)
{
    const auto answer = QMessageBox::question(
        parent, QObject::tr("Print"),
        QObject::tr("No printer is installed on this computer.\n"
                    "Save the pages as a PDF file instead?"));
    if (answer != QMessageBox::Yes)
        return {};
    return ChooseFile(parent, QFileDialog::AcceptSave, QStringLiteral("pdf"), QObject::tr("PDF file(*.pdf)"));
}

// A name typed without a suffix still makes a file that opens as a PDF.
QString WithPdfSuffix(const QString& file)
{
    return QFileInfo(file).suffix().isEmpty() ? file + QStringLiteral(".pdf") : file;
}

} // namespace

bool RunPrintJob(QWidget* parent, const std::function<bool(QPrinter&)>& draw,
                 const PdfFileQuestion& askPdf)
{
    const KeepFocus keep;  // over the question, the file dialog and the box
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QString file = askPdf ? askPdf(parent) : AskForPdfFile(parent);
        if (file.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(WithPdfSuffix(file));
    }
    if (draw(printer))
        return true;
    QMessageBox::warning(parent, QObject::tr("Print"),
                         QObject::tr("The pages could not be printed to %1.")
                             .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                     : printer.outputFileName()));
    return false;
}

void DrawFormImage(QPainter& painter, const QPixmap& surface, int width, int height, QSize page,
                   const PrintHeading& heading)
{
    const int headingHeight = PrintHeadingHeight(painter);
    DrawPrintHeading(painter, QRect(FormMargin, FormMargin, page.width() - 2 * FormMargin, headingHeight), heading,
                     1, 1);
    const QRect target(QPoint(FormMargin, FormMargin + headingHeight),
                       QPoint(page.width() - FormMargin, page.height() / 2 - FormMargin + headingHeight));
    painter.drawPixmap(target, surface, QRect(0, 0, width, height));
}

bool PrintFormImage(const QPixmap& surface, int width, int height, const PrintHeading& heading,
                    QPrinter& printer)
{
    printer.setDocName(QStringLiteral("print option"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(PrintFont());
    painter.setPen(Qt::black);
    DrawFormImage(painter, surface, width, height, QSize(printer.width(), printer.height()), heading);
    return painter.end();
}
