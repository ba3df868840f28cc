// Printing: the ruled channel table across pages, each under its heading,
// and the options picture.
#include "base/languagestr.h"
#include "ui/channels/ChannelPrint.h"
#include "ui/common/PrintJob.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
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
const PrintHeading Heading{QStringLiteral("FANE5 channels, home.chnw"), QDate(2026, 12, 9)};

QImage BlankPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// Draws the table and keeps a picture of every page. Each page's table
// starts one row below the margin, under the heading.
struct PrintedPages {
    std::vector<QImage> pages;
    int rowHeight = 0;
    std::vector<int> columnLeft;  // left edge of every column, and the table's right edge

    PrintedPages(const ChannelTable& table, int rows, int pageHeight, int pageWidth = Wide)
    {
        QImage page = BlankPage(pageWidth, pageHeight);
        QPainter painter(&page);
        painter.setFont(PrintFont());
        const QFontMetrics metrics(painter.font(), &page);
        rowHeight = metrics.height() + PrintCellPadding;
        int x = PrintMargin;
        for (const QString& title : languagestr::ColumnTitles) {
            columnLeft.push_back(x);
            x += metrics.horizontalAdvance(title) + PrintCellPadding;
        }
        columnLeft.push_back(x);
        DrawChannelTable(painter, table, rows, page.size(), Heading, [&] {
            pages.push_back(page.copy());
            page.fill(Qt::white);
        });
        painter.end();
        pages.push_back(page);
    }

    // A point inside cell (table row on page, column), clear of its text.
    QPoint Inside(int rowOnPage, int column) const
    {
        return {columnLeft[column] + 3, Top(rowOnPage) + 3};
    }
    int Top(int rowOnPage) const { return PrintMargin + (rowOnPage + 1) * rowHeight; }
};

// The texts a painter draws, page by page, to read a printout's words.
class TextRecorder final : public QPaintDevice {
public:
    explicit TextRecorder(QSize size, int dpi = 600) : size_(size), dpi_(dpi), engine_(pages) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<QStringList> pages{1};

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi_;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return QPaintDevice::metric(m);
        }
    }

private:
    class Engine final : public QPaintEngine {
    public:
        explicit Engine(std::vector<QStringList>& pages) : QPaintEngine(AllFeatures), pages_(pages) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawRects(const QRectF*, int) override {}
        void drawLines(const QLineF*, int) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { pages_.back() << item.text(); }
        Type type() const override { return User; }

    private:
        std::vector<QStringList>& pages_;
    };
    QSize size_;
    int dpi_;
    mutable Engine engine_;
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
        const int bottom = printed.Top(100);
        QCOMPARE(page.pixel(printed.columnLeft[8], printed.Top(0) + 5), qRgb(0, 0, 0));
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
        // crossing it by part of a row. The heading is one row more.
        int pageHeight = PrintMargin + (rowsOnFirstPage + 1) * rowHeight + PrintBottomReserve;
        if (rowsOnFirstPage == 25)
            pageHeight -= rowHeight / 2;
        const PrintedPages printed(SampleTable(), 100, pageHeight);

        const int perPage = rowsOnFirstPage;  // the column header and the channels under it
        QCOMPARE(int(printed.pages.size()), (99 + perPage - 2) / (perPage - 1));
        const QImage& first = printed.pages[0];
        // The row that reached the reserve is printed whole, its bottom edge included.
        const int lastBottom = printed.Top(perPage);
        QCOMPARE(first.pixel(printed.Inside(perPage - 1, 1)), RowFill);
        QCOMPARE(first.pixel(printed.columnLeft[1] + 5, lastBottom), qRgb(0, 0, 0));
        QCOMPARE(first.pixel(printed.columnLeft[1] + 5, lastBottom + 3), qRgb(255, 255, 255));
        // The next page starts as the first: heading, then the column header
        // above the next channel.
        const QImage& second = printed.pages[1];
        QCOMPARE(second.pixel(printed.Inside(0, 1)), HeaderFill);
        QCOMPARE(second.pixel(printed.Inside(1, 1)), RowFill);
        QCOMPARE(second.pixel(printed.columnLeft[1] + 5, printed.Top(0)), qRgb(0, 0, 0));
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
        const PrintedPages printed(SampleTable(), 100, 100000, width);
        QCOMPARE(printed.pages.size(), size_t(1));
        const QImage& page = printed.pages[0];
        auto at = [&](qreal x, qreal y) { return page.pixel(int(x * s), int(y * s)); };
        for (int column = 0; column < ChannelTable::ColumnCount; ++column) {
            const qreal left = natural.columnLeft[column] + 4;
            QCOMPARE(at(left, natural.Top(0) + 4), HeaderFill);
            QCOMPARE(at(left, natural.Top(1) + 4), RowFill);
            QCOMPARE(at(left, natural.Top(99) + 4), RowFill);
        }
        // The closing rule reaches the page's right edge; the last row's
        // bottom rule lies where the scaled rows end, white below.
        const int middle = int((natural.Top(0) + natural.rowHeight / 2) * s);
        // A rule thinner than a pixel is drawn as grey.
        QVERIFY(qGray(page.pixel(width - 1, middle)) < 160);
        const int bottom = int(natural.Top(100) * s);
        QCOMPARE(at(natural.columnLeft[4] + 4, natural.Top(100) - 4), RowFill);
        QCOMPARE(page.pixel(int((natural.columnLeft[4] + 4) * s), bottom + 2), qRgb(255, 255, 255));
    }

    void printsToAPdfFile()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("table.pdf")));
        QVERIFY(PrintChannelTable(SampleTable(), 100, QStringLiteral("test"), Heading, printer));
        QCOMPARE(printer.docName(), QStringLiteral("test"));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // As many pages as the heading counts on the printer's pages.
        TextRecorder recorder(QSize(printer.width(), printer.height()), printer.resolution());
        QPainter painter(&recorder);
        painter.setFont(PrintFont());
        const int pages = DrawChannelTable(painter, SampleTable(), 100, QSize(printer.width(), printer.height()),
                                           Heading, [&] { recorder.pages.emplace_back(); });
        QVERIFY(pages > 1);
        QCOMPARE(int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ")), pages);
        QVERIFY(recorder.pages.back().contains(QStringLiteral("printed 2026-12-09, page %1 of %1").arg(pages)));
        if (const QString keep = qEnvironmentVariable("FANE5_KEEP_PDF"); !keep.isEmpty())
            QFile::copy(printer.outputFileName(), keep);  // to look at the pages
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
                return PrintChannelTable(SampleTable(), 100, QStringLiteral("test"), Heading, printer);
            },
            [&](QWidget*) { return dir.filePath(chosen); }));
        QCOMPARE(used, dir.filePath(written));
        QFile pdf(used);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    }

    // Every page says what it is: the heading with its page number, then
    // the column titles; the channels follow on from page to page.
    void everyPageHasItsHeadingAndColumnHeader()
    {
        ChannelTable table = SampleTable();
        const QSize page(Wide, 1600);
        TextRecorder recorder(page);
        QPainter painter(&recorder);
        painter.setFont(PrintFont());
        const int pages = DrawChannelTable(painter, table, 100, page, Heading, [&] { recorder.pages.emplace_back(); });
        painter.end();
        QVERIFY(pages > 2);
        QCOMPARE(int(recorder.pages.size()), pages);
        QStringList channels;  // the numbers in column 0, page after page
        for (int p = 0; p < pages; ++p) {
            const QStringList& texts = recorder.pages[p];
            QCOMPARE(texts.mid(0, 2), (QStringList{"FANE5 channels, home.chnw",
                                                    QStringLiteral("printed 2026-12-09, page %1 of %2").arg(p + 1).arg(pages)}));
            QCOMPARE(texts.mid(2, ChannelTable::ColumnCount),
                     QStringList(languagestr::ColumnTitles.begin(), languagestr::ColumnTitles.end()));
            for (const QString& text : texts.mid(2 + ChannelTable::ColumnCount))
                if (text.toInt() > 0)
                    channels << text;
        }
        QStringList numbers;
        for (int row = 1; row < 100; ++row)
            numbers << QString::number(row);
        QCOMPARE(channels, numbers);
    }

    void headingTexts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QDateTime>("readAt");
        QTest::addColumn<QString>("source");
        const QDateTime read(QDate(2026, 12, 9), QTime(14, 3, 22));
        QTest::newRow("a file") << "/home/me/radios/home.chnw" << QDateTime() << "home.chnw";
        QTest::newRow("a file saved after a read") << "/home/me/home.optw" << read << "home.optw";
        QTest::newRow("read from the radio") << "" << read << "read from the radio 2026-12-09 14:03";
        QTest::newRow("neither") << "" << QDateTime() << "not saved";
    }
    void headingTexts()
    {
        QFETCH(QString, file);
        QFETCH(QDateTime, readAt);
        QFETCH(QString, source);
        QCOMPARE(PrintSource(file, readAt), source);
    }

    void formPictureFillsItsTarget()
    {
        QPixmap surface(300, 200);
        surface.fill(Qt::red);
        QImage page(1000, 1400, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.setFont(PrintFont());
        const int h = PrintHeadingHeight(painter);  // the heading above moves the picture down
        DrawFormImage(painter, surface, 300, 200, page.size(), Heading);
        painter.end();
        const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
        QCOMPARE(page.pixel(82, h + 82), red);
        QCOMPARE(page.pixel(1000 - 82, h + 700 - 82), red);
        QCOMPARE(page.pixel(78, h + 78), white);
        QCOMPARE(page.pixel(1000 - 78, 400), white);
        QCOMPARE(page.pixel(500, h + 700 - 78), white);
        QCOMPARE(page.pixel(82, h + 78), white);  // the heading's line holds only text
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
