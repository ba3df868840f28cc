// Printing: the ruled channel table across pages, and the options picture.
#include "base/languagestr.h"
#include "ui/channels/ChannelPrint.h"
#include "ui/common/PrintJob.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

namespace {

const QRgb HeaderFill = qRgb(240, 248, 255);
const QRgb RowFill = qRgb(247, 255, 246);
constexpr int Wide = 2600;

QImage BlankPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// Draws the table and keeps a picture of every page.
struct PrintedPages {
    std::vector<QImage> pages;
    int rowHeight = 0;
    std::vector<int> columnLeft;  // left edge of every column, and the table's right edge

    PrintedPages(const ChannelTable& table, int rows, int pageHeight, int pageWidth = Wide)
    {
        QImage page = BlankPage(pageWidth, pageHeight);
        QPainter painter(&page);
        painter.setFont(ChannelPrintFont());
        const QFontMetrics metrics(painter.font(), &page);
        rowHeight = metrics.height() + PrintCellPadding;
        int x = PrintMargin;
        for (const QString& title : languagestr::ColumnTitles) {
            columnLeft.push_back(x);
            x += metrics.horizontalAdvance(title) + PrintCellPadding;
        }
        columnLeft.push_back(x);
        DrawChannelTable(painter, table, rows, page.size(), [&] {
            pages.push_back(page.copy());
            page.fill(Qt::white);
        });
        painter.end();
        pages.push_back(page);
    }

    // A point inside cell (row on page, column), clear of its text.
    QPoint Inside(int rowOnPage, int column) const
    {
        return {columnLeft[column] + 3, PrintMargin + rowOnPage * rowHeight + 3};
    }
};

ChannelTable SampleTable()
{
    ChannelTable table;
    table.SetText(1, ColRx, QStringLiteral("476.42500"));
    table.SetText(1, ColName, QStringLiteral("ABC"));
    return table;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void everyRowAndColumnIsRuledAndFilled()
    {
        const PrintedPages printed(SampleTable(), 100, 100000);
        QCOMPARE(printed.pages.size(), size_t(1));
        const QImage& page = printed.pages[0];
        // Header colour on row 0, row colour on every other row, hidden
        // columns 8, 9 and 12 and empty cells included.
        for (int column = 0; column < ChannelTable::ColumnCount; ++column) {
            QCOMPARE(page.pixel(printed.Inside(0, column)), HeaderFill);
            for (int row : {1, 2, 50, 99})
                QCOMPARE(page.pixel(printed.Inside(row, column)), RowFill);
        }
        // Ruled: the left edge of a cell, the bottom of the last row, the
        // right edge of each row; nothing past them.
        const int bottom = PrintMargin + 100 * printed.rowHeight;
        QCOMPARE(page.pixel(printed.columnLeft[8], PrintMargin + 5), qRgb(0, 0, 0));
        QCOMPARE(page.pixel(printed.columnLeft[4] + 5, bottom), qRgb(0, 0, 0));
        QCOMPARE(page.pixel(printed.columnLeft.back(), bottom - 5), qRgb(0, 0, 0));
        QCOMPARE(page.pixel(printed.columnLeft.back() + 3, bottom - 5), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(printed.columnLeft[4] + 5, bottom + 3), qRgb(255, 255, 255));
    }

    void pagesBreakBetweenRowsAtTheReserve_data()
    {
        QTest::addColumn<int>("rowsOnFirstPage");
        QTest::addRow("row ends exactly at the reserve") << 10;
        QTest::addRow("row crosses the reserve") << 25;
    }
    void pagesBreakBetweenRowsAtTheReserve()
    {
        QFETCH(int, rowsOnFirstPage);
        const int rowHeight = PrintedPages(ChannelTable(), 1, 1000).rowHeight;
        // The last row of the first page reaches the reserve: exactly, or
        // crossing it by part of a row.
        int pageHeight = PrintMargin + rowsOnFirstPage * rowHeight + PrintBottomReserve;
        if (rowsOnFirstPage == 25)
            pageHeight -= rowHeight / 2;
        const PrintedPages printed(SampleTable(), 100, pageHeight);

        const int perPage = rowsOnFirstPage;
        QCOMPARE(int(printed.pages.size()), (100 + perPage - 1) / perPage);
        const QImage& first = printed.pages[0];
        // The row that reached the reserve is printed whole, its bottom edge included.
        const int lastBottom = PrintMargin + perPage * rowHeight;
        QCOMPARE(first.pixel(printed.Inside(perPage - 1, 1)), RowFill);
        QCOMPARE(first.pixel(printed.columnLeft[1] + 5, lastBottom), qRgb(0, 0, 0));
        QCOMPARE(first.pixel(printed.columnLeft[1] + 5, lastBottom + 3), qRgb(255, 255, 255));
        // The next page starts at the margin with a channel row, no header.
        const QImage& second = printed.pages[1];
        QCOMPARE(second.pixel(printed.Inside(0, 1)), RowFill);
        QCOMPARE(second.pixel(printed.columnLeft[1] + 5, PrintMargin), qRgb(0, 0, 0));
    }

    // A table wider than the page is scaled down whole to the page's width:
    // every column, rule and row is there, in proportion.
    void scaledToThePageWidth_data()
    {
        QTest::addColumn<qreal>("widthFactor");   // page width / the table's own width
        QTest::addRow("fits as it is") << qreal(1.0);
        QTest::addRow("four fifths") << qreal(0.8);
        QTest::addRow("half") << qreal(0.5);
    }
    void scaledToThePageWidth()
    {
        QFETCH(qreal, widthFactor);
        const PrintedPages natural(ChannelTable(), 1, 1000);
        const int tableWidth = natural.columnLeft.back() + 1;
        const int width = int(tableWidth * widthFactor);
        const qreal s = qreal(width) / tableWidth;
        const int rowHeight = natural.rowHeight;
        const PrintedPages printed(SampleTable(), 100, 100000, width);
        QCOMPARE(printed.pages.size(), size_t(1));
        const QImage& page = printed.pages[0];
        auto at = [&](qreal x, qreal y) { return page.pixel(int(x * s), int(y * s)); };
        for (int column = 0; column < ChannelTable::ColumnCount; ++column) {
            const qreal left = natural.columnLeft[column] + 4;
            QCOMPARE(at(left, PrintMargin + 4), HeaderFill);
            QCOMPARE(at(left, PrintMargin + rowHeight + 4), RowFill);
            QCOMPARE(at(left, PrintMargin + 99 * rowHeight + 4), RowFill);
        }
        // The closing rule reaches the page's right edge; the last row's
        // bottom rule lies where the scaled rows end, white below.
        const int middle = int((PrintMargin + rowHeight / 2) * s);
        // A rule thinner than a pixel is drawn as grey.
        QVERIFY(qGray(page.pixel(width - 1, middle)) < 160);
        const int bottom = int((PrintMargin + 100 * rowHeight) * s);
        QCOMPARE(at(natural.columnLeft[4] + 4, PrintMargin + 100 * rowHeight - 4), RowFill);
        QCOMPARE(page.pixel(int((natural.columnLeft[4] + 4) * s), bottom + 2), qRgb(255, 255, 255));
    }

    void printsToAPdfFile()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("table.pdf")));
        QVERIFY(PrintChannelTable(SampleTable(), 100, QStringLiteral("test"), printer));
        QCOMPARE(printer.docName(), QStringLiteral("test"));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") > 1);
    }

    // Without a printer the pages go to a PDF file; a name without a suffix
    // gets ".pdf".
    void pdfNameGetsItsSuffix_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no suffix") << "table" << "table.pdf";
        QTest::newRow("suffix given") << "table.pdf" << "table.pdf";
        QTest::newRow("other suffix kept") << "table.print" << "table.print";
    }
    void pdfNameGetsItsSuffix()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        QTemporaryDir dir;
        QString used;
        QVERIFY(RunPrintJob(
            nullptr,
            [&](QPrinter& printer) {
                used = printer.outputFileName();
                return PrintChannelTable(SampleTable(), 100, QStringLiteral("test"), printer);
            },
            [&](QWidget*) { return dir.filePath(chosen); }));
        QCOMPARE(used, dir.filePath(written));
        QFile pdf(used);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    }

    void formPictureFillsItsTarget()
    {
        QPixmap surface(300, 200);
        surface.fill(Qt::red);
        QImage page(1000, 1400, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        DrawFormImage(painter, surface, 300, 200, page.size());
        painter.end();
        const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
        QCOMPARE(page.pixel(82, 82), red);
        QCOMPARE(page.pixel(1000 - 82, 700 - 82), red);
        QCOMPARE(page.pixel(78, 78), white);
        QCOMPARE(page.pixel(1000 - 78, 400), white);
        QCOMPARE(page.pixel(500, 700 - 78), white);
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
